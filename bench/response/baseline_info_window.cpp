#include "bench/response/baseline_info_window.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

static void RegisterBaselinePictures() {
    Q_INIT_RESOURCE(baseline_pictures);
}

namespace tarsilo::bench {

namespace {

constexpr int ContactLines = 6;

QByteArray ReadResource(const QString& name) {
    QFile file(QStringLiteral(":/baseline_pictures/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

LazyJpegPicture::LazyJpegPicture(QByteArray stream, QWidget* parent)
    : QWidget(parent), stream_(std::move(stream)) {}

void LazyJpegPicture::paintEvent(QPaintEvent* /*event*/) {
    if (image_.isNull())
        image_ = QImage::fromData(stream_, "JPEG");
    QPainter(this).drawImage(0, 0, image_);
}

BaselineInfoWindow::BaselineInfoWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    RegisterBaselinePictures();
    setWindowTitle(QStringLiteral("Baseline reference window"));
    setFixedSize(712, 543);
    // The reference window's frames, each holding one picture or the contact lines.
    const struct {
        const char* caption;
        QRect geometry;
        const char* picture;
        QSize pictureSize;
    } frames[] = {
        {"Обозначения:", {8, 8, 370, 265}, "values.jpg", {353, 241}},
        {"Расчетные формулы для шара:", {392, 8, 305, 169}, "ball.jpg", {289, 145}},
        {"Расчетные формулы для цилиндра:", {392, 184, 305, 169}, "cylinder.jpg", {289, 145}},
        {"Коэффициенты лобового (аэродинамического) сопротивления Cв:",
         {8, 280, 369, 209},
         "drag.jpg",
         {353, 185}},
        {"Контактная информация:", {392, 360, 305, 129}, nullptr, {}},
    };
    QGroupBox* contacts = nullptr;
    for (const auto& frame : frames) {
        auto* box = new QGroupBox(QString::fromUtf8(frame.caption), this);
        box->setGeometry(frame.geometry);
        if (!frame.picture) {
            contacts = box;
            continue;
        }
        auto* picture = new LazyJpegPicture(ReadResource(QString::fromLatin1(frame.picture)), box);
        picture->setGeometry(QRect(QPoint(8, 16), frame.pictureSize));
        pictures_.append(picture);
    }
    for (int line = 0; line < ContactLines; ++line) {
        auto* label =
            new QLabel(QStringLiteral("Строка контактов номер %1").arg(line + 1), contacts);
        label->move(8, 16 + 16 * line);
    }
    auto* close = new QPushButton(QStringLiteral("Выход"), this);
    close->setGeometry(608, 504, 75, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void BaselineInfoWindow::Show() {
    show();
    raise();
    activateWindow();
}

} // namespace tarsilo::bench
