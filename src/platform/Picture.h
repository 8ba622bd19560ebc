#pragma once

#include <QLabel>
#include <QPixmap>

// The program's pictures are vector drawings in the resources, rendered crisp at the size
// and pixel ratio they are shown at.
namespace Pictures {
QPixmap render(const QString& name, const QSize& size,
               qreal pixelRatio = 0); // name: "logo" → :/pictures/logo.svg
QIcon icon(const QString& name);
} // namespace Pictures

// A picture that can be clicked, with a hand cursor (tiles, icons, picture buttons).
class Picture : public QLabel {
    Q_OBJECT
public:
    Picture(const QString& objectName, const QString& picture, const QSize& size, QWidget* parent = nullptr);
    void setClickable(bool clickable);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString m_picture; // drawn when first shown: most screens wait hidden for a long time
    bool m_clickable = false;
};
