#include "qt/Info.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QResource>
#include <QScreen>
#include <QShowEvent>

#include "calc/errors.h"
#include "common/reference_pictures.h"
#include "common/window_definition.h"
#include "qt/monitor_placement.h"
#include "qt/window_accessibility.h"
#include "qt/window_keyboard.h"
#include "qt/window_placement.h"
#include "qt/window_style.h"
#include "qt/x11_window_hints.h"
#include "ui_Info.h"

// Resources compiled into a static library are registered by hand.
static void RegisterPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace tarsilo {

TfInfo* fInfo = nullptr;

namespace {

// Where the window definition places the window, and its client size.
QPoint DesignedPosition() {
    return {forms::InfoWindowDefinition.left, forms::InfoWindowDefinition.top};
}
QSize DesignedClientSize() {
    return {forms::InfoWindowDefinition.clientWidth, forms::InfoWindowDefinition.clientHeight};
}

void EnsurePictureResources() {
    static const bool registered = (RegisterPictureResources(), true);
    (void)registered;
}

JpegPicture LoadPicture(const QString& path, qreal devicePixelRatio = 1) {
    // The stream stays where the program holds it, without a copy.
    const QResource resource(path);
    if (!resource.isValid())
        throw Exception("Cannot read the picture " + path.toStdString());
    return JpegPicture(resource.uncompressedData(), devicePixelRatio);
}

// Each picture, and the same picture at twice the pixel size for dense screens.
void LoadPictureSet(PictureBox* box, std::string_view file) {
    const auto path = [file](int scale) {
        return QStringLiteral(":/pictures/") +
               QString::fromStdString(forms::PictureFileName(file, scale));
    };
    box->SetPicture(LoadPicture(path(1)), LoadPicture(path(2), 2));
}

QList<QRect> MonitorRects() {
    QList<QRect> monitors;
    for (const QScreen* screen : QGuiApplication::screens())
        monitors.append(screen->geometry());
    return monitors;
}

} // namespace

TfInfo::TfInfo(QWidget* owner)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<::Ui::TfInfo>()), owner_(owner) {
    // Before the controls, so that each takes the font as it is made.
    ExposeAsWindow(staticMetaObject);
    setFont(WindowFont(ScreenDpi(this)));
    ui_->setupUi(this);
    NameControls(this, forms::InfoWindowDefinition);
    // Closing this window must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    ScaleToScreen();
    move(DesignedPosition());
    LoadPictures();

    // The close button is the window's only focus stop, and the active button.
    new WindowKeyboard(this, forms::InfoWindowDefinition);
    ui_->BitBtn1->setFocus();
}

TfInfo::~TfInfo() = default;

void TfInfo::LoadPictures() {
    EnsurePictureResources();
    for (const forms::ReferencePicture& picture : forms::ReferencePictures) {
        const auto latin1 = [](std::string_view text) {
            return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        };
        auto* box = findChild<PictureBox*>(latin1(picture.control));
        if (!box)
            throw Exception("The reference window has no picture " + std::string(picture.control));
        LoadPictureSet(box, picture.file);
    }
}

void TfInfo::ScaleToScreen() {
    const LayoutScale scale(ScreenDpi(this));
    if (!scale.IsIdentity()) {
        for (QWidget* control : findChildren<QWidget*>())
            control->setGeometry(scale.Apply(control->geometry()));
    }
    setFixedSize(scale.Apply(DesignedClientSize()));
}

void TfInfo::Show() {
    if (!isVisible()) {
        MoveToActiveMonitor();
        show();
    } else if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void TfInfo::MoveToActiveMonitor() {
    const QWidget* active = QApplication::activeWindow();
    if (!active || active == this)
        return;
    const QList<QRect> monitors = MonitorRects();
    const QRect activeOuter = active->frameGeometry();
    if (MonitorOf(frameGeometry(), monitors) == MonitorOf(activeOuter, monitors))
        return;
    // The pull-back keeps the whole frame on the monitor, so the frame is
    // needed before the window is shown there.
    const QPoint corner = pos();
    const QSize client = size();
    PlaceByFrame(this, [=](QMargins frame) {
        return FollowActiveMonitor(QRect(corner, client.grownBy(frame)), activeOuter, monitors);
    });
}

void TfInfo::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!prepared_) {
            // What only a window on the screen needs waits for its first
            // showing: the icon, whose files are read through the image
            // plugins, and the contact lines fitted to their text.
            prepared_ = true;
            setWindowIcon(WindowIcon());
            for (QLabel* label : ui_->gbContact->findChildren<QLabel*>())
                label->adjustSize();
        }
        KeepOffTaskBar(this);
    }
    QWidget::showEvent(event);
}

void TfInfo::closeEvent(QCloseEvent* event) {
    // Accepting only hides: position and decoded pictures stay for the next Show.
    event->accept();
    if (!isActiveWindow() || !owner_)
        return;
    QWidget* owner = owner_->window();
    if (owner->isVisible() && owner->isEnabled())
        owner->activateWindow();
}

} // namespace tarsilo
