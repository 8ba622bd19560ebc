#pragma once

#include "platform/Screen.h"

class QLineEdit;
class QPushButton;

// The password change screen, shown in place of the password screen.
class TfrmCambiaPassword : public ApplicationScreen {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);
    void present() override; // fixed size, centred on the screen

    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;

    void cmdOKClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void updateOK();
};
