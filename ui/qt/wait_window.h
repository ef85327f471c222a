#pragma once

#include <QLabel>
#include <QWidget>

namespace lorvex::qt {

// "Information" with "Bitte warten...", shown while a system loads. It has a title bar only,
// and a close request from the window system is ignored: it goes away when the load ends.
class WaitWindow final : public QWidget {
    Q_OBJECT

public:
    WaitWindow();

    const QLabel& label() const { return label_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel label_;
};

}  // namespace lorvex::qt
