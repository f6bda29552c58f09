// The reference window: its pictures, Show and Close, the keyboard, the move
// onto the active window's monitor, and a picture that fails to decode.

// jerror.h numbers its messages by the library's configuration in jpeglib.h.
#include <cstdio>

#include <jpeglib.h>

#include <jerror.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "jpeg_test_streams.h"
#include "qt/Info.h"
#include "qt/monitor_placement.h"
#include "qt/picture_box.h"
#include "tests/gui_test_support.h"

using tarsilo::JpegPicture;
using tarsilo::PictureBox;
using tarsilo::TfInfo;
using namespace tarsilo::testing;

namespace {

QPushButton* CloseButtonOf(TfInfo& info) {
    return info.findChild<QPushButton*>("BitBtn1");
}

PictureBox* PictureOf(TfInfo& info, const char* name) {
    return info.findChild<PictureBox*>(QLatin1String(name));
}

// QWindow counts a window as active when its transient parent is, so ask
// which widget the application made active.
[[nodiscard]] bool WaitUntilActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Active and painted at least once.
[[nodiscard]] bool WaitUntilShown(QWidget* window) {
    return WaitUntilActive(window) && QTest::qWaitForWindowExposed(window);
}

} // namespace

class TestInfoWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void picturesReadHeadersAtLoadAndDecodeOnce_data();
    void picturesReadHeadersAtLoadAndDecodeOnce();
    void screenRatioChoosesThePictureSet_data();
    void screenRatioChoosesThePictureSet();
    void windowIsFixedWithCloseOnly();
    void firstShowAtDesignedPlaceWithCloseFocused();
    void secondShowBringsTheSameWindowForward();
    void closeHidesAndShowReturnsWhereItWasLeft_data();
    void closeHidesAndShowReturnsWhereItWasLeft();
    void keys_data();
    void keys();
    void followsTheActiveMonitor_data();
    void followsTheActiveMonitor();
    void brokenPictureIsReportedOnce();

private:
    // The main window stands in front of the reference window, active.
    void ShowMainWindow();

    std::unique_ptr<QWidget> main_;
    std::unique_ptr<TfInfo> info_;
    std::unique_ptr<tarsilo::test::ModalDialogWatchdog> watchdog_;
};

void TestInfoWindow::init() {
    watchdog_ = std::make_unique<tarsilo::test::ModalDialogWatchdog>();
    main_ = std::make_unique<QWidget>();
    main_->setWindowTitle(QStringLiteral("main window"));
    main_->setGeometry(300, 200, 742, 363);
    info_ = std::make_unique<TfInfo>(main_.get());
}

void TestInfoWindow::cleanup() {
    info_.reset();
    main_.reset();
    watchdog_.reset();
}

void TestInfoWindow::ShowMainWindow() {
    main_->show();
    main_->activateWindow();
    QVERIFY(WaitUntilActive(main_.get()));
}

void TestInfoWindow::picturesReadHeadersAtLoadAndDecodeOnce_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QSize>("imageSize");
    QTest::newRow("notation") << QByteArray("iValues") << QSize(353, 236);
    QTest::newRow("ball formulas") << QByteArray("iBall") << QSize(285, 138);
    QTest::newRow("cylinder formulas") << QByteArray("iCyl") << QSize(284, 139);
    QTest::newRow("drag coefficients") << QByteArray("iCb") << QSize(354, 180);
}

void TestInfoWindow::picturesReadHeadersAtLoadAndDecodeOnce() {
    QFETCH(QByteArray, control);
    QFETCH(QSize, imageSize);
    PictureBox* box = PictureOf(*info_, control.constData());
    QVERIFY(box);
    const JpegPicture& picture = box->Picture();

    // Loading read the headers of both sets and decoded nothing.
    const JpegPicture& doubled = box->PictureFor(2);
    QCOMPARE(QSize(picture.Width(), picture.Height()), imageSize);
    QVERIFY(picture.IsGrayscale());
    QCOMPARE(picture.DecodeCount(), 0);
    QCOMPARE(QSize(doubled.Width(), doubled.Height()), imageSize * 2);
    QVERIFY(doubled.IsGrayscale());
    QCOMPARE(doubled.DecodeCount(), 0);

    ShowMainWindow();
    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    for (int paint = 0; paint < 3; ++paint)
        box->repaint();
    QCOMPARE(picture.DecodeCount(), 1);
    // This screen's ratio is 1: the doubled set is never decoded.
    QCOMPARE(box->devicePixelRatioF(), 1.0);
    QCOMPARE(doubled.DecodeCount(), 0);

    const QImage& image = picture.Image();
    QCOMPARE(image.size(), imageSize);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY(image.colorCount() <= 236);
    for (const QRgb entry : image.colorTable())
        QVERIFY(qRed(entry) == qGreen(entry) && qGreen(entry) == qBlue(entry));
}

void TestInfoWindow::screenRatioChoosesThePictureSet_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("scale");
    QTest::newRow("ordinary screen") << 1.0 << 1;
    QTest::newRow("125 %, rounded up to the doubled set") << 1.25 << 2;
    QTest::newRow("150 %") << 1.5 << 2;
    QTest::newRow("200 %") << 2.0 << 2;
    QTest::newRow("300 %, the largest set there is") << 3.0 << 2;
}

void TestInfoWindow::screenRatioChoosesThePictureSet() {
    QFETCH(qreal, ratio);
    QFETCH(int, scale);
    for (const char* control : {"iValues", "iBall", "iCyl", "iCb"}) {
        const PictureBox* box = PictureOf(*info_, control);
        const JpegPicture& ordinary = box->Picture();
        const JpegPicture& drawn = box->PictureFor(ratio);
        // Either set covers the same area of the window.
        QCOMPARE(drawn.Width(), ordinary.Width() * scale);
        QCOMPARE(drawn.Height(), ordinary.Height() * scale);
        QCOMPARE(drawn.DevicePixelRatio(), qreal(scale));
    }
}

void TestInfoWindow::windowIsFixedWithCloseOnly() {
    TfInfo& info = *info_;
    // Its own top-level window: a transient window would stay above the main
    // window under every X11 window manager.
    QCOMPARE(info.parentWidget(), nullptr);
    QCOMPARE(info.windowType(), Qt::Window);
    info.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    QCOMPARE(info.windowHandle()->transientParent(), nullptr);
    QCOMPARE(info.minimumSize(), QSize(712, 543));
    QCOMPARE(info.maximumSize(), QSize(712, 543));
    const Qt::WindowFlags flags = info.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    // The icon, and the same design at twice the size for dense screens.
    const QList<QSize> iconSizes = info.windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(32, 32)));
    QVERIFY(iconSizes.contains(QSize(64, 64)));
    // The close button's glyph: its own picture when enabled and when not,
    // each with its key colour transparent.
    const QIcon glyph = CloseButtonOf(info)->icon();
    const QImage enabled = glyph.pixmap(18, 18, QIcon::Normal).toImage();
    const QImage disabled = glyph.pixmap(18, 18, QIcon::Disabled).toImage();
    QCOMPARE(enabled.size(), QSize(18, 18));
    QVERIFY(enabled != disabled);
    QCOMPARE(qAlpha(enabled.pixel(0, 17)), 0);
    QVERIFY(qAlpha(enabled.pixel(9, 9)) > 0);

    QList<QWidget*> focusStops;
    for (QWidget* control : info.findChildren<QWidget*>())
        if (control->focusPolicy() & Qt::TabFocus)
            focusStops.append(control);
    QCOMPARE(focusStops, QList<QWidget*>{CloseButtonOf(info)});
}

void TestInfoWindow::firstShowAtDesignedPlaceWithCloseFocused() {
    ShowMainWindow();
    QVERIFY(!info_->isVisible());
    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    QCOMPARE(info_->frameGeometry().topLeft(), QPoint(30, 51));
    QCOMPARE(QApplication::focusWidget(), CloseButtonOf(*info_));
    // Not modal: the main window still takes input.
    QVERIFY(main_->isEnabled());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestInfoWindow::secondShowBringsTheSameWindowForward() {
    ShowMainWindow();
    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    const QPoint userPlace(210, 160);
    info_->move(userPlace);

    // Behind the main window, the same window comes forward without moving.
    main_->activateWindow();
    QVERIFY(WaitUntilActive(main_.get()));
    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    QCOMPARE(info_->pos(), userPlace);
    QCOMPARE(QApplication::focusWidget(), CloseButtonOf(*info_));
}

void TestInfoWindow::closeHidesAndShowReturnsWhereItWasLeft_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Выход") << true;
    QTest::newRow("title-bar close") << false;
}

void TestInfoWindow::closeHidesAndShowReturnsWhereItWasLeft() {
    QFETCH(bool, byButton);
    ShowMainWindow();
    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    const QPoint userPlace(120, 90);
    info_->move(userPlace);
    PictureBox* notation = PictureOf(*info_, "iValues");
    notation->repaint();

    const QPointer<TfInfo> alive(info_.get());
    if (byButton)
        CloseButtonOf(*info_)->click();
    else
        QVERIFY(info_->close());
    QVERIFY(alive);
    QVERIFY(!info_->isVisible());
    QVERIFY(main_->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), main_.get());

    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    QCOMPARE(info_->pos(), userPlace);
    notation->repaint();
    QCOMPARE(notation->Picture().DecodeCount(), 1);
}

void TestInfoWindow::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("closes");
    const Qt::KeyboardModifiers none;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << none << false;
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                 << false;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << false;
    QTest::newRow("Alt+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier)
                               << false;
    QTest::newRow("Shift+keypad Enter")
        << int(Qt::Key_Enter) << (Qt::ShiftModifier | Qt::KeypadModifier) << false;
    QTest::newRow("Ctrl+keypad Enter")
        << int(Qt::Key_Enter) << (Qt::ControlModifier | Qt::KeypadModifier) << false;
    QTest::newRow("Alt+keypad Enter")
        << int(Qt::Key_Enter) << (Qt::AltModifier | Qt::KeypadModifier) << false;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << false;
    QTest::newRow("arrow") << int(Qt::Key_Right) << none << false;
}

void TestInfoWindow::keys() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, closes);
    ShowMainWindow();
    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    QCOMPARE(QApplication::focusWidget(), CloseButtonOf(*info_));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    QCOMPARE(info_->isVisible(), !closes);
    if (!closes)
        QCOMPARE(QApplication::focusWidget(), CloseButtonOf(*info_));
}

void TestInfoWindow::followsTheActiveMonitor_data() {
    QTest::addColumn<QList<QRect>>("monitors");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("active");
    QTest::addColumn<QPoint>("expected");
    const QRect left(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1280, 1024);
    const QList<QRect> sideBySide{left, right};
    const QSize size(718, 572);
    QTest::newRow("one monitor") << QList<QRect>{left} << QRect(QPoint(30, 51), size)
                                 << QRect(500, 300, 742, 390) << QPoint(30, 51);
    QTest::newRow("same monitor") << sideBySide << QRect(QPoint(30, 51), size)
                                  << QRect(500, 300, 742, 390) << QPoint(30, 51);
    QTest::newRow("to the right, same offset") << sideBySide << QRect(QPoint(30, 51), size)
                                               << QRect(2000, 300, 742, 390) << QPoint(1950, 51);
    QTest::newRow("pulled back from the right edge")
        << sideBySide << QRect(QPoint(1000, 100), size) << QRect(2000, 300, 742, 390)
        << QPoint(3200 - 718, 100);
    QTest::newRow("pulled back from the bottom edge")
        << sideBySide << QRect(QPoint(100, 500), size) << QRect(2000, 300, 742, 390)
        << QPoint(2020, 1024 - 572);
    QTest::newRow("back to the left") << sideBySide << QRect(QPoint(1950, 51), size)
                                      << QRect(100, 100, 742, 390) << QPoint(30, 51);
    QTest::newRow("monitor at negative coordinates")
        << QList<QRect>{left, QRect(-1280, -200, 1280, 1024)} << QRect(QPoint(30, 51), size)
        << QRect(-1000, 0, 742, 390) << QPoint(-1250, -149);
    QTest::newRow("active window mostly on the right")
        << sideBySide << QRect(QPoint(30, 51), size) << QRect(1800, 300, 742, 390)
        << QPoint(1950, 51);
    QTest::newRow("window off every monitor goes from the nearest")
        << sideBySide << QRect(QPoint(-900, 51), size) << QRect(2000, 300, 742, 390)
        << QPoint(1920 - 900, 51);
    // Below a wide, short monitor and a narrow one under it: the nearest is
    // the one whose bottom is nearest, whatever the monitors' widths.
    const QList<QRect> wideOverNarrow{QRect(0, 0, 2000, 500), QRect(0, 500, 300, 500)};
    QTest::newRow("off every monitor vertically, monitors not square: goes from the nearest")
        << wideOverNarrow << QRect(50, 2500, 100, 100) << QRect(500, 100, 742, 390)
        << QPoint(50, 400);
    const QRect sameSize(1920, 0, 1920, 1080);
    QTest::newRow("off every monitor, as near to two: goes from the first")
        << QList<QRect>{left, sameSize} << QRect(QPoint(1600, 1180), size)
        << QRect(2500, 300, 742, 390) << QPoint(3840 - 718, 1080 - 572);
}

void TestInfoWindow::followsTheActiveMonitor() {
    QFETCH(QList<QRect>, monitors);
    QFETCH(QRect, window);
    QFETCH(QRect, active);
    QFETCH(QPoint, expected);
    QCOMPARE(tarsilo::FollowActiveMonitor(window, active, monitors), expected);
}

void TestInfoWindow::brokenPictureIsReportedOnce() {
    PictureBox* ball = PictureOf(*info_, "iBall");
    ball->SetPicture(JpegPicture(
        WithImpossibleHuffmanTable(CompressJpeg(TestPattern({285, 138}, Colour::Grey)))));
    ShowMainWindow();
    // The dialog opens once the painting that failed is over.
    const auto paintAndReport = [&] {
        info_->Show();
        QVERIFY(QTest::qWaitFor([&] { return ball->Picture().DecodeCount() == 1; }));
        QTest::qWait(50);
    };
    const auto dialog = tarsilo::test::CloseMessageBoxOpenedBy(paintAndReport);
    QVERIFY(dialog.shown);
    QCOMPARE(dialog.text, QStringLiteral("JPEG error #%1.").arg(JERR_BAD_HUFF_TABLE));
    QCOMPARE(dialog.title, QGuiApplication::applicationDisplayName());

    // Later paintings neither decode nor report again.
    const auto repaintAll = [&] {
        for (int paint = 0; paint < 3; ++paint)
            ball->repaint();
        QTest::qWait(50);
    };
    QVERIFY(!tarsilo::test::CloseMessageBoxOpenedBy(repaintAll).shown);
    QCOMPARE(ball->Picture().DecodeCount(), 1);

    // The window goes on working.
    info_->Show();
    QVERIFY(WaitUntilShown(info_.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!info_->isVisible());
}

QTEST_MAIN(TestInfoWindow)
#include "test_info_window.moc"
