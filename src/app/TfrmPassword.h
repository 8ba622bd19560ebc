#pragma once

#include "platform/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The access password screen: the program's main window and the first thing shown.
class TfrmPassword : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);
    void present() override; // fixed size, centred on the screen

    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;
    QLabel* lblMemory;

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void updateOK();
};
