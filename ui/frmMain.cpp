#include "frmMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QShortcut>

#include "Art.h"
#include "Batch.h"
#include "Fonts.h"
#include "Placement.h"
#include "Procedures.h"
#include "QtInteraction.h"
#include "ReadingOrder.h"
#include "Registration.h"
#include "SkinLabel.h"
#include "Twips.h"
#include "WindowMover.h"
#include "frmHelp.h"
#include "frmWait.h"

namespace vwui {

namespace {

// The action icons by index: left edge in twips, tooltip, artwork.
struct IconLayout {
    int Left;
    const char* Tip;
    const char* Art;
};
constexpr IconLayout kIcons[5] = {
    {480, QT_TRANSLATE_NOOP("vwui::frmMain", "Encrypt a file..."), "encrypt-file"},
    {2400, QT_TRANSLATE_NOOP("vwui::frmMain", "Decrypt a file or folder..."), "decrypt"},
    {3360, QT_TRANSLATE_NOOP("vwui::frmMain", "About Moravi Vaultwise"), "about"},
    {4200, QT_TRANSLATE_NOOP("vwui::frmMain", "Exit Moravi Vaultwise"), "exit"},
    {1440, QT_TRANSLATE_NOOP("vwui::frmMain", "Encrypt a folder..."), "encrypt-folder"},
};

const QColor kCaptionBlue(192, 192, 255);

void Colour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

SkinLabel* Caption(QWidget* parent, const QRect& box, const QString& text, bool bold) {
    auto* label = new SkinLabel(parent, box);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(FittedTo(Tahoma(8.25, bold), text, box.width()));
    Colour(label, kCaptionBlue);
    label->AcceptFileDrops();
    return label;
}

QLabel* StatusLine(QWidget* parent) {
    auto* label = new QLabel(frmMain::tr("Ready"), parent);
    label->setGeometry(TwipRect(170, 1755, 4815, 255));
    label->setAlignment(Qt::AlignCenter);
    Colour(label, QColor(255, 255, 0));
    return label;
}

SkinLabel* Background(QWidget* parent) {
    const QRect box = TwipRect(-10, 0, 5130, 2055);
    auto* back = new SkinLabel(parent, box);
    back->setPixmap(Art::Render(QStringLiteral("background"), QSize(342, 137)));
    back->setMouseTracking(true);
    back->AcceptFileDrops();
    return back;
}

QLabel* StatusStrip(QWidget* parent) {
    const QRect box = TwipRect(50, 1720, 5005, 280);
    auto* strip = new QLabel(parent);
    strip->setGeometry(box);
    strip->setPixmap(Art::Render(QStringLiteral("statusbar"), box.size()));
    return strip;
}

}  // namespace

frmMain::frmMain(QtInteraction& ui, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      ImgBack(Background(this)),
      ImgBar(StatusStrip(this)),
      Frame(this, TwipRect(480, 915, 540, 540), TwipRect(4560, 120, 480, 480),
            TwipRect(4080, 120, 480, 480)),
      cmd{MakeIcon(0), MakeIcon(1), MakeIcon(2), MakeIcon(3), MakeIcon(4)},
      lblStatus(StatusLine(this)),
      lblWelcome(Caption(this, TwipRect(1080, 240, 3015, 195),
                         tr("Welcome to Moravi Vaultwise 3.5"), true)),
      lblAction(Caption(this, TwipRect(1200, 480, 2775, 255),
                        tr("Please select an action from below:"), false)),
      ui_(ui) {
    setFixedSize(TwipRect(0, 0, 5100, 2055).size());
    setWindowTitle(QStringLiteral("Moravi Vaultwise"));
    setWindowIcon(Art::WindowIcon());
    ReadInScreenOrder(this, QAccessible::Window);
    setFont(Tahoma(8.25));
    // Placed from the start: dialogs centre on their owner, also while it is hidden.
    CentreOnScreen(this);
    StackControls();
    ConnectChrome();
    ConnectKeyboard();
    RegisterStep = RegisterFileTypeOnce;
    EncryptProc = [this](int16_t kind, const std::string& path) {
        modVW::Encrypt(ui_, kind, path);
    };
    DecryptProc = [this](const std::string& path) { modVW::Decrypt(ui_, path); };
    BatchProc = [this](StartAction action, const std::vector<std::string>& paths) {
        if (action == StartAction::Encrypt)
            modVW::EncryptBatch(ui_, paths);
        else
            modVW::DecryptBatch(ui_, paths);
    };
    EndProgram = [] { QCoreApplication::quit(); };
}

frmMain::~frmMain() = default;

frmWait& frmMain::Wait() {
    if (!wait_) wait_ = std::make_unique<frmWait>();
    return *wait_;
}

SkinLabel* frmMain::MakeIcon(int16_t Index) {
    const IconLayout& layout = kIcons[Index];
    auto* icon = new SkinLabel(this, TwipRect(layout.Left, 960, 480, 480));
    icon->setPixmap(Art::Render(QString::fromLatin1(layout.Art), QSize(32, 32)));
    icon->ActAsButton();
    icon->setToolTip(tr(layout.Tip));
    icon->setAccessibleName(icon->toolTip());  // what a screen reader calls the action
    icon->setCursor(Art::HandCursor());
    icon->setMouseTracking(true);
    return icon;
}

void frmMain::StackControls() {
    // Bottom to top; a control higher up is drawn over and gets the mouse before the
    // ones below it.
    const std::initializer_list<QWidget*> bottomToTop = {
        ImgBack, ImgBar, Frame.ImgButton, Frame.ButtonUp, Frame.ButtonDown, cmd[0], cmd[3],
        cmd[1],  cmd[2], lblStatus,       lblWelcome,     lblAction,        cmd[4]};
    for (QWidget* control : bottomToTop)
        control->raise();
}

void frmMain::ConnectChrome() {
    for (int16_t i = 0; i < int16_t(cmd.size()); ++i) {
        connect(cmd[i], &SkinLabel::MouseMove, this, [this, i] { cmd_MouseMove(i); });
        connect(cmd[i], &SkinLabel::MouseDown, this, [this, i] { cmd_MouseDown(i); });
        connect(cmd[i], &SkinLabel::MouseUp, this, [this, i] { cmd_MouseUp(i); });
        connect(cmd[i], &SkinLabel::Click, this, [this, i] { cmd_Click(i); });
    }
    connect(ImgBack, &SkinLabel::MouseMove, this, &frmMain::ImgBack_MouseMove);
    for (SkinLabel* target : {ImgBack, lblWelcome, lblAction})
        connect(target, &SkinLabel::OLEDragDrop, this, &frmMain::ImgBack_OLEDragDrop);
    auto* mover = new WindowMover(this);
    for (QWidget* handle : {ImgBack, lblWelcome, lblAction})
        mover->AddHandle(handle);
}

// The icons in the order they stand, left to right, for Tab and the arrows; the focus
// wears the hover frame. Ctrl+Q is Exit and F1 is Help, as in most programs.
void frmMain::ConnectKeyboard() {
    const std::array<int16_t, 5> leftToRight = {0, 4, 1, 2, 3};
    for (size_t i = 0; i + 1 < leftToRight.size(); ++i)
        setTabOrder(cmd[leftToRight[i]], cmd[leftToRight[i + 1]]);
    for (int16_t i = 0; i < int16_t(cmd.size()); ++i) {
        // The focus a window gets when it comes to the front is no keyboard use: a
        // window the mouse works shows no mark until a key moves the focus.
        connect(cmd[i], &SkinLabel::FocusIn, this, [this, i](Qt::FocusReason reason) {
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                cmd_MouseMove(i);
        });
        connect(cmd[i], &SkinLabel::Step, this,
                [this](bool forward) { focusNextPrevChild(forward); });
    }
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { cmd_Click(3); });
    new QShortcut(QKeySequence(Qt::Key_F1), this, [this] { ShowHelp(); });
}

// The first Tab or arrow on an unmarked icon marks it rather than leave it.
bool frmMain::focusNextPrevChild(bool next) {
    for (int16_t i = 0; i < int16_t(cmd.size()); ++i) {
        if (cmd[i]->hasFocus() && !Frame.Surrounds(cmd[i])) {
            cmd_MouseMove(i);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

void frmMain::cmd_MouseMove(int16_t Index) {
    if (lblStatus->text() != cmd[Index]->toolTip()) lblStatus->setText(cmd[Index]->toolTip());
    Frame.Surround(cmd[Index]);
}

void frmMain::cmd_MouseDown(int16_t) {
    Frame.Press();
}

void frmMain::cmd_MouseUp(int16_t) {
    Frame.Release();
}

void frmMain::ImgBack_MouseMove() {
    if (lblStatus->text() != tr("Ready")) lblStatus->setText(tr("Ready"));
    Frame.Hide();
}

frmHelp& frmMain::ShowHelp() {
    if (!help_) help_ = std::make_unique<frmHelp>(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
    return *help_;
}

}  // namespace vwui
