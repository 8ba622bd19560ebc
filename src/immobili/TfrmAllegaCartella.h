#pragma once

#include "platform/Screen.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class Picture;

// Up to three documents attached to the property card: pick, open, remove, describe.
class TfrmAllegaCartella : public DialogScreen {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* owner = nullptr);

    QLineEdit* txtFile[3];
    QLineEdit* txtDesc[3];
    QPushButton* btnSfoglia[3];
    QPushButton* btnApri[3];
    Picture* imgCancella[3];
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;
    QLabel* lblMemory;

    void btnSfogliaClick(int row);
    void btnApriClick(int row);
    void btnApplicaClick();

    // What "Applica" does with the three names and descriptions (trimmed), installed by the
    // opener; without one "Applica" only closes the dialog.
    using Applied = std::function<void(const QStringList& files, const QStringList& descriptions)>;
    void setApplied(Applied applied);

private:
    Applied m_applied;
};
