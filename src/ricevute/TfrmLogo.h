#pragma once

#include "platform/Screen.h"

#include <QImage>

class QLabel;
class QPushButton;
class Picture;

// The logo printed on the receipts, kept in Logo.bmp. The frame shows the
// picture that "Applica e chiudi" would save; nothing is written before that.
class TfrmLogo : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget* owner = nullptr);

    QLabel* imgLogo;
    Picture* imgEuro;
    Picture* btnCancLogo;
    QPushButton* btnAnnulla;
    QPushButton* btnSfoglia;
    QPushButton* btnApplica;

    // The picture in the frame, at its own pixel size.
    const QImage& picture() const { return m_picture; }

    void btnSfogliaClick();
    void imgEuroClick();
    void btnCancLogoClick();
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void showPicture(const QImage& picture);

    QImage m_picture;
};
