#pragma once
// The remark window: an introduction to the auto-dialer system and a user
// guide for the device, in a box the operator may scroll and even type in;
// nothing typed is kept, and no file is read or written.

#include <QDialog>

namespace mervadin {

class RemarkWindow : public QDialog {
    Q_OBJECT
public:
    explicit RemarkWindow(QWidget* parent = nullptr);
};

} // namespace mervadin
