#include "frmWait.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWindow>

#include "Art.h"
#include "Fonts.h"
#include "Placement.h"
#include "Progress.h"
#include "Twips.h"

namespace vwui {

namespace {

// A window manager maps a new window within a few frames; a display that never
// exposes it (a locked screen) must not hold the work up for long.
constexpr int kExposeWaitMs = 500;

QLabel* Picture(QWidget* parent, const QRect& geometry, const QString& art) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setPixmap(Art::Render(art, geometry.size()));
    return label;
}

}  // namespace

frmWait::frmWait(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint) {
    setFixedSize(TwipRect(0, 0, 4800, 1395).size());
    setFont(Tahoma(8.25));
    setCursor(Qt::WaitCursor);
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
    setAutoFillBackground(true);
    setWindowTitle(QStringLiteral("Moravi Vaultwise"));
    setAccessibleName(QStringLiteral("Moravi Vaultwise is working"));

    // Created bottom to top of the stacking order.
    Image2 = Picture(this, TwipRect(0, 1100, 5175, 375), QStringLiteral("statusbar"));
    lblStatus = new QLabel(QStringLiteral("Working...Please Wait"), this);
    lblStatus->setGeometry(TwipRect(120, 1140, 4620, 255));
    lblStatus->setAlignment(Qt::AlignCenter);
    QPalette yellow = lblStatus->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    lblStatus->setPalette(yellow);
    Image3 = Picture(this, TwipRect(0, 0, 4800, 1125), QStringLiteral("banner"));
    PB1 = new QProgressBar(this);
    PB1->setGeometry(TwipRect(-20, 940, 4850, 200));
    PB1->setRange(0, 100);
    PB1->setValue(0);
    PB1->setTextVisible(false);
    PB1->setAccessibleName(QStringLiteral("Progress"));
    QPalette bar = PB1->palette();
    bar.setColor(QPalette::Base, QColor(16, 22, 48));
    bar.setColor(QPalette::Highlight, QColor(64, 128, 255));
    PB1->setPalette(bar);

    timUpdate = new QTimer(this);
    timUpdate->setInterval(10);
    connect(timUpdate, &QTimer::timeout, this, &frmWait::timUpdate_Timer);
    timUpdate->start();
}

void frmWait::ShowCentred() {
    if (!placed_) CentreOnScreen(this);
    placed_ = true;
    show();
}

void frmWait::ShowNow() {
    QDeadlineTimer deadline(kExposeWaitMs);
    while (!(windowHandle() && windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void frmWait::timUpdate_Timer() {
    const int32_t percent = modVW::CurrentProgress;
    PB1->setValue(std::clamp(percent, 0, 100));
    lblStatus->setText(QString::number(percent) + QStringLiteral("% complete..."));
}

}  // namespace vwui
