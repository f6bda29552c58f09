#include "qt/Tarsilo_V10.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>

#include "calc/program_records.h"
#include "commands/main_commands.h"
#include "common/composite_captions.h"
#include "common/window_definition.h"
#include "qt/error_reporting.h"
#include "qt/window_accessibility.h"
#include "qt/window_keyboard.h"
#include "qt/window_placement.h"
#include "qt/window_style.h"
#include "ui_Tarsilo_V10.h"

namespace tarsilo {

TfTarsilo_main* fTarsilo_main = nullptr;

namespace {

// The client size the window definition gives.
QSize DesignClientSize() {
    return {forms::MainWindowDefinition.clientWidth, forms::MainWindowDefinition.clientHeight};
}

// The window definition marks the labels drawn in the Greek-letter font.
bool IsGreekLetter(const QLabel* label) {
    return label->property("greekLetter").toBool();
}

QPoint ToQPoint(Point point) {
    return {point.x, point.y};
}

// Lays the three pieces out as one line of text where the shared rule places
// them for the texts as drawn on this screen.
void SetOnOneLine(QLabel* start, QLabel* letter, QLabel* continuation) {
    const QFontMetrics textMetrics = start->fontMetrics();
    const QFontMetrics letterMetrics = letter->fontMetrics();
    const QString letterText = letter->text().trimmed();
    const CompositeCaptionPlaces placed = PlaceCompositeCaption({
        .start = {start->x(), start->y()},
        .startTextWidth = textMetrics.horizontalAdvance(start->text().trimmed()),
        .blankWidth = textMetrics.horizontalAdvance(u' '),
        .textAscent = textMetrics.ascent(),
        .letterTop = letter->y(),
        .letterAscent = letterMetrics.ascent(),
        .letterWidth = letterMetrics.horizontalAdvance(letterText),
    });
    // The label keeps its designed top and height; its text goes down to
    // the baseline.
    const int designedHeight = letter->height();
    letter->setContentsMargins(0, placed.letter.y - letter->y(), 0, 0);
    letter->adjustSize();
    letter->setGeometry(placed.letter.x, letter->y(), letter->width(),
                        std::max(designedHeight, letter->height()));
    continuation->move(ToQPoint(placed.continuation));
}

// Puts the lowered index the designed distance after its caption's text.
void PlaceIndexAfter(const IndexedCaption& caption, QLabel* text, QLabel* index,
                     const LayoutScale& scale) {
    index->move(ToQPoint(PlaceIndex({
        .caption = {text->x(), text->y()},
        .captionTextWidth = text->fontMetrics().horizontalAdvance(text->text()),
        .indexTop = index->y(),
        .gap = scale.Apply(DesignedIndexGap(forms::MainWindowDefinition, caption)),
    })));
}

} // namespace

TfTarsilo_main::TfTarsilo_main(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<::Ui::TfTarsilo_main>()),
      fields_(this, forms::MainWindowDefinition) {
    ExposeAsWindow(staticMetaObject);
    // Given before the controls exist, the font reaches each control as it is
    // made; given afterwards, it would be sent to every control once more.
    setFont(WindowFont(ScreenDpi(this)));
    ui_->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    ApplyControlKinds();
    NameControls(this, forms::MainWindowDefinition);
    fields_.SetAnnouncer(new StatusAnnouncer(ui_->eReady));
    ScaleToScreen();
    FitLabelsToCaptions();
    keyboard_ = new WindowKeyboard(this, forms::MainWindowDefinition);
    ui_->bCalc->setFocus(Qt::OtherFocusReason);
    // Bound after the window definition has selected the ball, so that
    // loading runs no shape command.
    BindEvents();
}

TfTarsilo_main::~TfTarsilo_main() {
    // Destroying the focused control moves the focus, which the keyboard
    // would answer by walking the controls that are being destroyed.
    delete keyboard_;
    if (fTarsilo_main == this)
        fTarsilo_main = nullptr;
}

void TfTarsilo_main::setInfoCommand(std::function<void()> command) {
    infoCommand_ = std::move(command);
}

void TfTarsilo_main::ApplyControlKinds() {
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    // Lets the style draw the frame of the active button.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    // Only the selected shape selector is a tab stop; the other still takes
    // the focus by a click.
    for (QRadioButton* radio : {ui_->rbBall, ui_->rbCyl}) {
        const auto followSelection = [radio](bool checked) {
            radio->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        };
        followSelection(radio->isChecked());
        connect(radio, &QRadioButton::toggled, radio, followSelection);
    }
}

void TfTarsilo_main::ScaleToScreen() {
    const qreal dpi = ScreenDpi(this);
    const LayoutScale scale(dpi);
    QFont greekFont = GreekLetterFont();
    greekFont.setPixelSize(scale.Apply(GreekFontPixels));
    for (QLabel* label : findChildren<QLabel*>()) {
        if (IsGreekLetter(label))
            label->setFont(greekFont);
    }
    if (!scale.IsIdentity()) {
        for (QWidget* control : findChildren<QWidget*>())
            control->setGeometry(scale.Apply(control->geometry()));
    }
    setFixedSize(scale.Apply(DesignClientSize()));
}

void TfTarsilo_main::FitLabelsToCaptions() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!IsGreekLetter(label))
            label->adjustSize();
    }
    const auto label = [this](std::string_view name) {
        const QString objectName = QString::fromUtf8(name.data(), qsizetype(name.size()));
        if (auto* found = findChild<QLabel*>(objectName))
            return found;
        throw std::logic_error("the main window has no label " + std::string(name));
    };
    for (const CompositeCaption& caption : CompositeCaptions)
        SetOnOneLine(label(caption.start), label(caption.letter), label(caption.continuation));
    const LayoutScale scale(ScreenDpi(this));
    for (const IndexedCaption& caption : IndexedCaptions)
        PlaceIndexAfter(caption, label(caption.caption), label(caption.index), scale);
}

void TfTarsilo_main::BindEvents() {
    connect(ui_->bCalc, &QPushButton::clicked, this, &TfTarsilo_main::bCalcClick);
    connect(ui_->bClear, &QPushButton::clicked, this, &TfTarsilo_main::bClearClick);
    connect(ui_->bInfo, &QPushButton::clicked, this, &TfTarsilo_main::bInfoClick);
    connect(ui_->rbBall, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            rbBallClick();
    });
    connect(ui_->rbCyl, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            rbCylClick();
    });
}

void TfTarsilo_main::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // A window manager reads and scales the icon while it takes the window
    // on, which delays the window's first appearance by milliseconds; given
    // once the window is on the screen, the icon follows a moment later.
    if (!iconGiven_) {
        iconGiven_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(WindowIcon()); });
    }
}

void TfTarsilo_main::showEvent(QShowEvent* event) {
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        CentreOnDesktop(this);
    }
    QWidget::showEvent(event);
}

void TfTarsilo_main::bCalcClick() {
    RunCommand(ui_->bCalc, [this] { Calculate(fields_, ProgramInputs, ProgramResults); });
}

void TfTarsilo_main::bClearClick() {
    RunCommand(ui_->bClear, [this] { Clear(fields_); });
}

void TfTarsilo_main::bInfoClick() {
    RunCommand(ui_->bInfo, [this] {
        if (infoCommand_)
            infoCommand_();
    });
}

void TfTarsilo_main::rbBallClick() {
    RunCommand(ui_->rbBall, [this] { ChooseBall(fields_); });
}

void TfTarsilo_main::rbCylClick() {
    RunCommand(ui_->rbCyl, [this] { ChooseCylinder(fields_); });
}

} // namespace tarsilo
