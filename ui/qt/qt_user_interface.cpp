#include "ui/qt/qt_user_interface.h"

#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include "ui/file_types.h"
#include "ui/qt/qt_text.h"

namespace lorvex::qt {

namespace {

// How long the help's opener may take to say that it cannot show the file.
constexpr int kOpenerWaitMs = 1500;

// Servicing events more often costs the analysis time and shows nothing new.
constexpr qint64 kPollIntervalMs = 20;

constexpr std::array<ProgressBarId, 3> kBars = {ProgressBarId::Top, ProgressBarId::Middle,
                                                ProgressBarId::Bottom};

std::size_t barIndex(ProgressBarId bar) {
    return static_cast<std::size_t>(static_cast<int>(bar) - PROGRESS_BAR_TOP);
}

// Each pair becomes "caption (pattern)"; the combo box shows only the caption, since the
// pattern may differ from the one the caption names ("*.*" matches every file as "*").
void setFileTypes(QFileDialog& dialog, std::string_view filter) {
    QStringList nameFilters;
    for (const FileType& type : fileTypes(filter)) {
        nameFilters.append(fromUtf8(type.caption + " (" + type.pattern + ")"));
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters);
}

std::string chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? std::string() : toPath(files.front());
}

// A message box wraps any text wider than about half the screen, leaving single words on lines
// of their own. Each line of the text stays whole as long as it fits on the screen.
void keepLinesWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr) return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : box.text().split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    // Room for the icon, the margins and the frame beside the text.
    constexpr int kBesideText = 160;
    const QScreen* screen = box.screen();
    const int available =
        screen != nullptr ? screen->availableGeometry().width() - kBesideText : widest;
    label->setMinimumWidth(std::min(widest + 1, available));
}

}  // namespace

QtUserInterface::QtUserInterface(MainWindow& window) : window_(window) {
    sinceEventsServiced_.start();
}

void QtUserInterface::removeAllRows(ListId list) {
    window_.listModel(list).removeAllRows();
}

void QtUserInterface::appendRows(ListId list, std::span<const ListRow> rows) {
    window_.listModel(list).appendRows(rows);
}

void QtUserInterface::appendHitRows(std::span<const HitRow> rows) {
    window_.listModel(ListId::HitList).appendHitRows(rows);
}

void QtUserInterface::setProgressMaximum(ProgressBarId bar, int maximum) {
    showPendingPositions();
    window_.progressBar(bar).setMaximum(maximum);
}

void QtUserInterface::setProgressPosition(ProgressBarId bar, int position) {
    pendingPositions_[barIndex(bar)] = position;
}

void QtUserInterface::setStatusText(StatusField field, std::string_view text) {
    window_.statusField(field).setText(fromUtf8(text));
}

void QtUserInterface::setMainWindowEnabled(bool enabled) {
    showPendingPositions();
    window_.setEnabled(enabled);
}

void QtUserInterface::showWaitWindow() {
    WaitWindow& wait = window_.waitWindow();
    // Minimised during an earlier load, it would come back minimised, and take the main window
    // with it.
    wait.setWindowState(wait.windowState() & ~Qt::WindowMinimized);
    wait.show();
    wait.raise();
    wait.activateWindow();
}

void QtUserInterface::hideWaitWindow() {
    window_.waitWindow().hide();
    // A window manager minimises the owner together with the wait window (openbox does); the
    // loaded system is shown all the same.
    if (window_.isMinimized()) window_.showNormal();
    window_.raise();
    window_.activateWindow();
}

void QtUserInterface::ShowMessageBox(std::string_view title, std::string_view text) {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Information, fromUtf8(title), fromUtf8(text), QMessageBox::Ok,
                    owner != nullptr ? owner : &window_);
    box.setTextFormat(Qt::PlainText);
    keepLinesWhole(box);
    box.exec();
    window_.forgetStaleToolbarHover();
}

void QtUserInterface::PollEvent() {
    if (!sinceEventsServiced_.hasExpired(kPollIntervalMs)) return;
    showPendingPositions();
    QCoreApplication::processEvents();
    sinceEventsServiced_.restart();
}

std::string QtUserInterface::ProgramDirectory() const {
    std::string directory = toPath(QCoreApplication::applicationDirPath());
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory;
}

std::string QtUserInterface::documentsDirectory() const {
    return toPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string QtUserInterface::homeDirectory() const {
    return toPath(QDir::homePath());
}

bool QtUserInterface::isWritableDirectory(const std::string& path) const {
    // access() also knows read-only mounts and ACLs, which the mode bits do not tell.
    return QFileInfo(fromPath(path)).isDir() && ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::string QtUserInterface::openFileDialog(std::string_view title, std::string_view filter,
                                            const std::string& startDirectory) {
    QFileDialog dialog(&window_, fromUtf8(title), fromPath(startDirectory));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist is accepted; the load then says why it cannot read it.
    dialog.setFileMode(QFileDialog::AnyFile);
    setFileTypes(dialog, filter);
    return chosenPath(dialog);
}

std::string QtUserInterface::saveFileDialog(std::string_view title, std::string_view filter,
                                            const std::string& directory, const std::string& name) {
    QFileDialog dialog(&window_, fromUtf8(title), fromPath(directory));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    setFileTypes(dialog, filter);
    dialog.selectFile(fromPath(name));
    return chosenPath(dialog);
}

std::string QtUserInterface::clipboardText() {
    return toUtf8(QGuiApplication::clipboard()->text());
}

bool QtUserInterface::isExecutableFile(const std::string& path) const {
    const QFileInfo file(fromPath(path));
    return file.isFile() && file.isExecutable();
}

bool QtUserInterface::startProgram(const std::string& path) {
    return QProcess::startDetached(fromPath(path), {});
}

bool QtUserInterface::openWithDesktop(const std::string& target) {
    const QUrl url = desktopUrl(target);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!url.isLocalFile() || opener.isEmpty()) return QDesktopServices::openUrl(url);
    // xdg-open reports a handler that cannot run (a terminal editor without a terminal) only
    // by its exit status, at once; one still running after a moment has found its program.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(opener, {url.toLocalFile()});
    if (!process->waitForStarted(kOpenerWaitMs)) {
        process->deleteLater();
        return false;
    }
    if (!process->waitForFinished(kOpenerWaitMs)) return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

void QtUserInterface::exitProgram() {
    QCoreApplication::exit(0);
}

std::string QtUserInterface::toolkitName() const {
    return "Qt " QT_VERSION_STR;
}

void QtUserInterface::showPendingPositions() {
    for (const ProgressBarId bar : kBars) {
        std::optional<int>& position = pendingPositions_[barIndex(bar)];
        if (!position) continue;
        window_.progressBar(bar).setValue(*position);
        position.reset();
    }
}

}  // namespace lorvex::qt
