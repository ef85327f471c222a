#include "ui/qt/wait_window.h"

#include <QCloseEvent>

namespace lorvex::qt {

WaitWindow::WaitWindow()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(QStringLiteral("Bitte warten..."), this) {
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(240, 64);
    label_.setGeometry(8, 24, 224, 16);
    label_.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

void WaitWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace lorvex::qt
