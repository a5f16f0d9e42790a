#include "app/pictures.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into a static library: nothing would pull them
// into the program unless asked for by name.
static void loadAppResource() {
    Q_INIT_RESOURCE(app);
}

namespace vt {

void loadPictures() {
    static const bool loaded = [] {
        loadAppResource();
        return true;
    }();
    (void)loaded;
}

QString themeStyleSheet() {
    loadPictures();
    QFile file(QStringLiteral(":/app/theme.qss"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void applyTheme(QApplication& app) { app.setStyleSheet(themeStyleSheet()); }

QIcon icon(const QString& name) {
    loadPictures();
    // Rendered at the usual button sizes so that each stays sharp without
    // depending on Qt's SVG icon plug-in being installed.
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!renderer.isValid()) return {};
    QIcon out;
    for (int side : {16, 24, 32, 48, 64, 96}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        out.addPixmap(pixmap);
    }
    return out;
}

Picture::Picture(QWidget* parent) : QWidget(parent) {
    loadPictures();
}
Picture::~Picture() = default;

void Picture::setSource(const QString& source) {
    source_ = source;
    delete renderer_;
    renderer_ = new QSvgRenderer(source, this);
    renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
    update();
}

bool Picture::isValid() const {
    return renderer_ && renderer_->isValid();
}

void Picture::paintEvent(QPaintEvent*) {
    if (!renderer_ || !renderer_->isValid()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, QRectF(rect()));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    down_ = true;
    emit pressed();
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !down_) return QWidget::mouseReleaseEvent(event);
    down_ = false;
    emit released();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setDown(false);
}

void LinkLabel::attachIcon(Picture* icon) {
    icon->setCursor(Qt::PointingHandCursor);
    connect(icon, &Picture::pressed, this, [this] { setDown(true); });
    connect(icon, &Picture::released, this, [this] { setDown(false); });
    connect(icon, &Picture::clicked, this, &LinkLabel::clicked);
}

QColor LinkLabel::colour() const {
    return palette().color(QPalette::WindowText);
}

void LinkLabel::setDown(bool down) {
    down_ = down;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, down ? kPressed : kRest);
    setPalette(p);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    setDown(true);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !down_) return QLabel::mouseReleaseEvent(event);
    setDown(false);
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace vt
