#include "frmWait.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "Art.h"
#include "Fonts.h"
#include "Placement.h"
#include "Progress.h"
#include "ReadingOrder.h"
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
    setAccessibleName(tr("Moravi Vaultwise is working"));
    ReadInScreenOrder(this, QAccessible::Window);

    // Created bottom to top of the stacking order.
    Image2 = Picture(this, TwipRect(0, 1100, 5175, 375), QStringLiteral("statusbar"));
    lblStatus = new QLabel(tr("Working...Please Wait"), this);
    lblStatus->setGeometry(TwipRect(120, 1140, 4620, 255));
    lblStatus->setAlignment(Qt::AlignCenter);
    QPalette yellow = lblStatus->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    lblStatus->setPalette(yellow);
    Image3 = new QLabel(this);
    Image3->setGeometry(TwipRect(0, 0, 4800, 1125));
    Image3->setPixmap(Art::Render(QStringLiteral("banner"), Image3->size(),
                                  {{QStringLiteral("Working on your files, please wait"),
                                    tr("Working on your files, please wait")}}));
    PB1 = new QProgressBar(this);
    PB1->setGeometry(TwipRect(-20, 940, 4850, 200));
    PB1->setRange(0, 100);
    PB1->setValue(0);
    PB1->setTextVisible(false);
    PB1->setAccessibleName(tr("Progress"));
    QPalette bar = PB1->palette();
    bar.setColor(QPalette::Base, QColor(16, 22, 48));
    bar.setColor(QPalette::Highlight, QColor(64, 128, 255));
    PB1->setPalette(bar);

    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setGeometry(TwipRect(3930, 1115, 810, 265));  // at the end of the status line
    // A longer word than "Cancel" widens the button leftwards, its right edge kept.
    const int needed = cmdCancel->fontMetrics().horizontalAdvance(cmdCancel->text()) + 12;
    if (const int wider = needed - cmdCancel->width(); wider > 0)
        cmdCancel->setGeometry(cmdCancel->geometry().adjusted(-wider, 0, 0, 0));
    cmdCancel->setCursor(Qt::ArrowCursor);
    cmdCancel->setToolTip(tr("Stop the work; nothing is written"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmWait::RequestCancel);

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

void frmWait::End() {
    inUse_ = false;
}

void frmWait::ShowItem(int Number, int Count, const QString& Name) {
    // The status line keeps room for the percentage and, centred, stays left of Cancel.
    const QFontMetrics metrics = lblStatus->fontMetrics();
    const QString count = tr("%1 of %2: ").arg(Number).arg(Count);
    const int room = 2 * (cmdCancel->x() - lblStatus->x()) - lblStatus->width() - 8 -
                     metrics.horizontalAdvance(count + tr("%1 - %2%").arg(QString(), "100"));
    item_ = count + metrics.elidedText(Name, Qt::ElideMiddle, std::max(room, 40));
    timUpdate_Timer();
}

void frmWait::Begin() {
    inUse_ = true;
    item_.clear();
    CancelRequested = false;
    cmdCancel->setEnabled(true);
    modVW::CurrentProgress = 0;
    timUpdate_Timer();
}

void frmWait::RequestCancel() {
    CancelRequested = true;
    cmdCancel->setEnabled(false);
    lblStatus->setText(tr("Cancelling..."));
}

// Closed during a procedure, the window stays until the work has stopped and tidied
// up; otherwise (the program quitting) it goes.
void frmWait::closeEvent(QCloseEvent* event) {
    if (!inUse_) return QWidget::closeEvent(event);
    event->ignore();
    RequestCancel();
}

void frmWait::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        RequestCancel();
    else
        QWidget::keyPressEvent(event);
}

void frmWait::timUpdate_Timer() {
    if (CancelRequested) return;
    const int32_t percent = modVW::CurrentProgress;
    PB1->setValue(std::clamp(percent, 0, 100));
    lblStatus->setText(item_.isEmpty() ? tr("%1% complete...").arg(percent)
                                       : tr("%1 - %2%").arg(item_).arg(percent));
}

}  // namespace vwui
