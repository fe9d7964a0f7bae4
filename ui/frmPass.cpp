#include "frmPass.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>
#include <limits>

#include "Art.h"
#include "Fonts.h"
#include "Passphrase.h"
#include "PasswordStrength.h"
#include "Placement.h"
#include "Plural.h"
#include "ReadingOrder.h"
#include "SkinLabel.h"
#include "StarMaskStyle.h"
#include "Twips.h"
#include "WindowMover.h"

namespace vwui {

namespace {

const QColor kCaptionBlue(192, 192, 255);

SkinLabel* Background(QWidget* parent) {
    const QRect box = TwipRect(-120, 0, 3810, 2175);
    auto* back = new SkinLabel(parent, box);
    back->setPixmap(Art::Render(QStringLiteral("passback"), box.size()));
    back->setMouseTracking(true);
    return back;
}

SkinLabel* Prompt(QWidget* parent) {
    auto* label = new SkinLabel(parent, TwipRect(360, 240, 2775, 495));
    label->setText(frmPass::tr("Please enter your password:"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(Tahoma(8.25, true));
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, kCaptionBlue);
    label->setPalette(blue);
    return label;
}

// How long guessing takes, in words: a count in the largest unit it reaches. The
// singular is the English form for a count of one; catalogs hold every form their
// language has.
QString Duration(double seconds) {
    struct Unit {
        double Seconds;
        PluralForms Text;
    };
    static const Unit kUnits[] = {
        {1e9 * 31557600,
         QT_TRANSLATE_N_NOOP3("vwui::frmPass", "about %n billion years", "about %n billion year")},
        {1e6 * 31557600,
         QT_TRANSLATE_N_NOOP3("vwui::frmPass", "about %n million years", "about %n million year")},
        {1e3 * 31557600, QT_TRANSLATE_N_NOOP3("vwui::frmPass", "about %n thousand years",
                                              "about %n thousand year")},
        {31557600, QT_TRANSLATE_N_NOOP3("vwui::frmPass", "about %n years", "about %n year")},
        {86400, QT_TRANSLATE_N_NOOP3("vwui::frmPass", "about %n days", "about %n day")},
        {3600, QT_TRANSLATE_N_NOOP3("vwui::frmPass", "about %n hours", "about %n hour")},
        {60, QT_TRANSLATE_N_NOOP3("vwui::frmPass", "about %n minutes", "about %n minute")},
    };
    if (seconds >= 1000 * kUnits[0].Seconds)
        return frmPass::tr("more than a thousand billion years");
    for (const Unit& unit : kUnits) {
        if (seconds < unit.Seconds) continue;
        const int n = int(std::lround(seconds / unit.Seconds));
        return Plural("vwui::frmPass", unit.Text, n);
    }
    return frmPass::tr("less than a minute");
}

}  // namespace

frmPass::frmPass(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint),
      ImgBack(Background(this)),
      Frame(this, TwipRect(960, 1440, 540, 540), TwipRect(0, 1680, 480, 480),
            TwipRect(0, 1200, 480, 480)),
      cmd{MakeButton(0, TwipRect(960, 1440, 480, 480), QStringLiteral("check"),
                     tr("Confirm the password")),
          MakeButton(1, TwipRect(1920, 1440, 480, 480), QStringLiteral("cross"),
                     tr("Cancel and return to the main window"))},
      lblAction(Prompt(this)),
      txtPass(new QLineEdit(this)) {
    setFixedSize(TwipRect(0, 0, 3465, 2160).size());
    setFont(Tahoma(8.25));
    setWindowTitle(QStringLiteral("Moravi Vaultwise"));
    setAccessibleName(tr("Password"));
    ReadInScreenOrder(this, QAccessible::Dialog);
    MakePasswordBox();
    connect(ImgBack, &SkinLabel::MouseMove, this, [this] { Frame.Hide(); });
    auto* mover = new WindowMover(this);
    mover->AddHandle(ImgBack);
    mover->AddHandle(lblAction);
    TellEmpty = [this] {
        QMessageBox::information(this, QString(), tr("Please type a password, or choose Cancel."));
    };
}

frmPass::~frmPass() = default;

void frmPass::SetPrompt(const QString& prompt) {
    lblAction->setText(prompt);
    txtPass->setAccessibleName(prompt);
    FitPrompt();
}

// A prompt longer than two lines (a translation) takes the room up to just under
// the top edge, and then a smaller font, rather than lose its last line.
void frmPass::FitPrompt() {
    const auto fits = [this] {
        return lblAction->heightForWidth(lblAction->width()) <= lblAction->height();
    };
    if (fits()) return;
    lblAction->setGeometry(TwipRect(360, 90, 2775, 735));
    for (QFont font = lblAction->font(); !fits() && font.pointSizeF() > 6;) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        lblAction->setFont(font);
    }
}

void frmPass::SetFileName(const QString& name) {
    if (name.isEmpty()) return;
    setWindowTitle(tr("%1 - Moravi Vaultwise").arg(name));
    const QString line =
        lblAction->fontMetrics().elidedText(name, Qt::ElideMiddle, lblAction->width());
    lblAction->setText(lblAction->text() + u'\n' + line);
    // Room for a third line: from just under the top edge down to the password box.
    lblAction->setGeometry(TwipRect(360, 90, 2775, 735));
    FitPrompt();
    setAccessibleDescription(name);
}

// The dialog grows downwards to hold the whole guidance line, however many lines
// it wraps to; the background follows.
void frmPass::SetGuide(const QString& Text) {
    constexpr int kGuideTop = 132;
    lblGuide->setText(Text);
    const int lines = lblGuide->heightForWidth(lblGuide->width());
    if (lines == lblGuide->height()) return;
    lblGuide->setGeometry(8, kGuideTop, width() - 16, lines);
    setFixedSize(width(), kGuideTop + lines + 8);
    ImgBack->setGeometry(QRect(-8, 0, width() + 16, height()));
    ImgBack->setPixmap(Art::Render(QStringLiteral("passback"), ImgBack->size()));
}

void frmPass::GuideNewPassword(bool Sealed) {
    lblGuide = new QLabel(this);
    lblGuide->setGeometry(8, 132, width() - 16, 0);
    lblGuide->setWordWrap(true);
    lblGuide->setTextFormat(Qt::PlainText);
    lblGuide->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblGuide->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette blue = lblGuide->palette();
    blue.setColor(QPalette::WindowText, kCaptionBlue);
    lblGuide->setPalette(blue);
    ImgBack->lower();
    lblGuide->show();
    if (!Sealed) {
        SetGuide(
            tr("This password does not protect the contents: anyone who has the file can "
               "read it without the password."));
        return;
    }
    cmdGenerate = new QPushButton(tr("Generate"), this);
    cmdGenerate->setGeometry(166, 101, 60, 22);
    cmdGenerate->setToolTip(
        Plural("vwui::frmPass",
               QT_TRANSLATE_N_NOOP3("vwui::frmPass", "Fill in a random passphrase of %n words",
                                    "Fill in a random passphrase of %n word"),
               int(modVW::kPassphraseWords)));
    cmdGenerate->setAccessibleName(cmdGenerate->toolTip());
    cmdGenerate->setFocusPolicy(Qt::NoFocus);  // the box keeps Enter and Escape
    cmdGenerate->show();
    connect(cmdGenerate, &QPushButton::clicked, this, [this] {
        const QString phrase = QString::fromStdString(modVW::GeneratePassphrase());
        txtPass->setEchoMode(QLineEdit::Normal);  // to be written down
        txtPass->setText(phrase);
        txtPass->setFocus();
    });
    // Typed over, a generated passphrase is a typed password again: masked.
    connect(txtPass, &QLineEdit::textEdited, this, [this] {
        txtPass->setEchoMode(QLineEdit::Password);
        ShowStrength();
    });
    connect(txtPass, &QLineEdit::textChanged, this, &frmPass::ShowStrength);
    ShowStrength();
}

void frmPass::ShowStrength() {
    const QString typed = txtPass->text();
    if (typed.isEmpty()) {
        SetGuide(tr("Type a password, or choose Generate for a passphrase of words."));
        return;
    }
    const modVW::PasswordAdvice advice = modVW::AdviseOn(typed.toStdString(), modVW::kNewFileCost);
    const QString rate = QLocale().toString(advice.GuessesPerSecond, 'g', 3);
    QString line = (advice.Weak ? tr("Weak: would take %1 to guess at %2 guesses a second per "
                                     "processor.")
                                : tr("Strong: would take %1 to guess at %2 guesses a second per "
                                     "processor."))
                       .arg(Duration(advice.Seconds), rate);
    if (txtPass->echoMode() == QLineEdit::Normal)
        line = tr("Write this passphrase down; nothing else opens the file:") + u'\n' + typed +
               u'\n' + line;
    SetGuide(line);
}

void frmPass::cmd_Click(int Index) {
    if (Index == 0 && txtPass->text().isEmpty()) {
        TellEmpty();
        txtPass->setFocus();
    } else if (Index == 0) {
        EnteredPassword = txtPass->text();
        txtPass->clear();
        accept();
    } else if (Index == 1) {
        reject();
    }
}

SkinLabel* frmPass::MakeButton(int Index, const QRect& geometry, const QString& art,
                               const QString& tip) {
    auto* button = new SkinLabel(this, geometry);
    button->ActAsButton();
    button->setPixmap(Art::Render(art, geometry.size()));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setCursor(Art::HandCursor());
    button->setMouseTracking(true);
    connect(button, &SkinLabel::MouseMove, this, [this, button] { Frame.Surround(button); });
    connect(button, &SkinLabel::FocusIn, this, [this, button] { Frame.Surround(button); });
    connect(button, &SkinLabel::MouseDown, this, [this] { Frame.Press(); });
    connect(button, &SkinLabel::MouseUp, this, [this] { Frame.Release(); });
    connect(button, &SkinLabel::Click, this, [this, Index] { cmd_Click(Index); });
    return button;
}

void frmPass::MakePasswordBox() {
    txtPass->setGeometry(TwipRect(840, 840, 1695, 375));
    auto* mask = new StarMaskStyle;
    mask->setParent(this);
    txtPass->setStyle(mask);
    txtPass->setEchoMode(QLineEdit::Password);
    txtPass->setMaxLength(std::numeric_limits<int>::max());
    txtPass->setFont(Tahoma(9.75, true));
    QPalette colours = txtPass->palette();
    colours.setColor(QPalette::Base, QColor(0, 0, 128));
    colours.setColor(QPalette::Text, QColor(255, 255, 0));
    txtPass->setPalette(colours);
    txtPass->installEventFilter(this);
}

bool frmPass::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtPass || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        cmd_Click(0);
        return true;
    }
    if (key == Qt::Key_Escape) {
        cmd_Click(1);
        return true;
    }
    return false;
}

void frmPass::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    txtPass->setFocus();
    QDialog::showEvent(event);
    // Started from a file manager, the program has no window of its own in front:
    // the question must come to the top with the keyboard, not wait behind.
    raise();
    activateWindow();
}

}  // namespace vwui
