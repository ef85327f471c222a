// Must not compile: core/ cannot see Qt.
#include <QtCore/QString>
