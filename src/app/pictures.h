#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

class QApplication;
class QIcon;
class QSvgRenderer;

namespace vt {

// The program's one look (":/app/theme.qss"), applied to the whole
// application once at start-up. Screen and dialog windows take it from their
// base classes; a form opts in to the card panel's look with the dynamic
// property panel="card" on its panel (see the theme file for the rest).
void applyTheme(QApplication& app);
// The theme's text, empty if the resource is missing.
QString themeStyleSheet();
// Makes the program's pictures (":/app/...", ":/icons/...") available by
// path to whatever draws them; called by everything here, and by reports
// that draw a picture.
void loadPictures();

// The shared picture of a common command, from the program's one set of
// pictures (":/icons/<name>.svg"): "nuovo", "duplica", "salva", "trova",
// "primo", "indietro", "avanti", "ultimo", "scadenze", "stampa", "esporta",
// "file", "guida", "esci", "cancella", "importa", "controlla", "email",
// "pdf", "anteprima", "ricontatta". An unknown name gives an empty icon.
QIcon icon(const QString& name);

// A picture drawn from an SVG resource at whatever size the window gives
// it, sharp at any size. Pictures that act as buttons emit clicked() when
// the left button is released over them after being pressed there.
class Picture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit Picture(QWidget* parent = nullptr);
    ~Picture() override;

    QString source() const { return source_; }
    void setSource(const QString& source);
    // Whether the source was found and is a drawable picture.
    bool isValid() const;

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString source_;
    QSvgRenderer* renderer_ = nullptr;
    bool down_ = false;
};

// A text link: dark blue at rest, orange while a mouse button is held down
// on it (or on the icon beside it, see attachIcon), dark blue again when the
// button is released.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    static inline const QColor kRest{0x00, 0x00, 0x8B};
    static inline const QColor kPressed{0xFF, 0xA5, 0x00};

    explicit LinkLabel(QWidget* parent = nullptr);

    // The icon beside the link looks and acts like the link itself.
    void attachIcon(Picture* icon);
    QColor colour() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setDown(bool down);
    bool down_ = false;
};

}  // namespace vt
