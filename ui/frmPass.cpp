#include "frmPass.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <limits>

#include "Art.h"
#include "Fonts.h"
#include "Placement.h"
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
    label->setText(QStringLiteral("Please enter your password:"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(Tahoma(8.25, true));
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, kCaptionBlue);
    label->setPalette(blue);
    return label;
}

}  // namespace

frmPass::frmPass(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint),
      ImgBack(Background(this)),
      Frame(this, TwipRect(960, 1440, 540, 540), TwipRect(0, 1680, 480, 480),
            TwipRect(0, 1200, 480, 480)),
      cmd{MakeButton(0, TwipRect(960, 1440, 480, 480), QStringLiteral("check"),
                     QStringLiteral("Confirm the password")),
          MakeButton(1, TwipRect(1920, 1440, 480, 480), QStringLiteral("cross"),
                     QStringLiteral("Cancel and return to the main window"))},
      lblAction(Prompt(this)),
      txtPass(new QLineEdit(this)) {
    setFixedSize(TwipRect(0, 0, 3465, 2160).size());
    setFont(Tahoma(8.25));
    setWindowTitle(QStringLiteral("Moravi Vaultwise"));
    setAccessibleName(QStringLiteral("Password"));
    MakePasswordBox();
    connect(ImgBack, &SkinLabel::MouseMove, this, [this] { Frame.Hide(); });
    auto* mover = new WindowMover(this);
    mover->AddHandle(ImgBack);
    mover->AddHandle(lblAction);
    TellEmpty = [this] {
        QMessageBox::information(this, QString(),
                                 QStringLiteral("Please type a password, or choose Cancel."));
    };
}

frmPass::~frmPass() = default;

void frmPass::SetPrompt(const QString& prompt) {
    lblAction->setText(prompt);
    txtPass->setAccessibleName(prompt);
}

void frmPass::SetFileName(const QString& name) {
    if (name.isEmpty()) return;
    setWindowTitle(name + QStringLiteral(" - Moravi Vaultwise"));
    const QString line =
        lblAction->fontMetrics().elidedText(name, Qt::ElideMiddle, lblAction->width());
    lblAction->setText(lblAction->text() + u'\n' + line);
    // Room for a third line: from just under the top edge down to the password box.
    lblAction->setGeometry(TwipRect(360, 90, 2775, 735));
    setAccessibleDescription(name);
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
