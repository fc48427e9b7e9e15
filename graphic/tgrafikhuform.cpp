#include "graphic/tgrafikhuform.h"

#include "app/messageboxes.h"
#include "graphic/framebevel.h"
#include "graphic/printdevice.h"
#include "graphic/printerchoice.h"
#include "graphic/printsectiongraphic.h"
#include "graphic/qpaintercanvas.h"
#include "record/haltungrecord.h"

#include <QApplication>
#include <QFrame>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int WindowWidth = 790;
constexpr int WindowHeight = 700;
constexpr int PanelHeight = 41;
constexpr int FrameTop = 50;
// Room kept below the frame when the window is scrolled to its end.
constexpr int BottomMargin = 10;

QFont WindowFont(int pixelHeight) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

} // namespace

TGrafikHUForm::TGrafikHUForm(const HaltungRecord& record, const std::string& loadedFileName,
                             PrinterChoice& printDialog, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), m_record(record), m_loadedFileName(loadedFileName),
      m_printDialog(printDialog), m_messages(messages) {
    setWindowTitle(QStringLiteral("  Haltungsgrafik"));
    setFixedSize(WindowWidth, WindowHeight);
    setFont(WindowFont(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(216, 216, 216));
    setPalette(pal);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, WindowWidth, PanelHeight);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    QPalette panelPal = Panel1->palette();
    panelPal.setColor(QPalette::Window, QColor(192, 192, 192));
    Panel1->setPalette(panelPal);
    Panel1->setAutoFillBackground(true);

    DruckBtn = new QPushButton(QStringLiteral("&Drucken"), Panel1);
    DruckBtn->setObjectName(QStringLiteral("DruckBtn"));
    DruckBtn->setFont(WindowFont(13));
    DruckBtn->setGeometry(10, 8, 90, 25);
    CloseBtn = new QPushButton(QStringLiteral("&Schlie\u00DFen"), Panel1);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setFont(WindowFont(13));
    CloseBtn->setGeometry(110, 8, 90, 25);
    connect(DruckBtn, &QPushButton::clicked, this, &TGrafikHUForm::DruckBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TGrafikHUForm::CloseBtnClick);

    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    const int barWidth = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(WindowWidth - barWidth, PanelHeight, barWidth, WindowHeight - PanelHeight);
    m_scrollBar->setSingleStep(15);
    m_scrollBar->setPageStep(WindowHeight - PanelHeight);
    m_scrollBar->setRange(0, 0);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));

    m_bevelHU = {10, FrameTop, WindowWidth - 40, 0};
}

void TGrafikHUForm::updateScrollRange() {
    SectionGraphicView view;
    view.windowWidth = WindowWidth;
    view.frameTop = FrameTop;
    const long long bottom = static_cast<long long>(SectionGraphicBottom(m_record, view)) + BottomMargin;
    const int range = static_cast<int>(std::clamp<long long>(bottom - WindowHeight, 0, MaxDrawCoordinate));
    if (m_scrollBar->maximum() != range)
        m_scrollBar->setMaximum(range); // clamps the value; a change repaints
    m_scrollBar->setVisible(range > 0);
}

void TGrafikHUForm::ShowSection() {
    updateScrollRange();
    if (isHidden())
        show();
    raise();
    activateWindow();
    repaint();
}

void TGrafikHUForm::paintEvent(QPaintEvent* event) {
    updateScrollRange();
    QPainter painter(this);
    QPainterCanvas canvas(painter);
    SectionGraphicView view;
    view.windowWidth = WindowWidth;
    view.frameTop = FrameTop - m_scrollBar->value();
    view.clipTop = event->rect().top();
    view.clipBottom = event->rect().bottom();
    m_bevelHU = DrawSectionGraphic(m_record, canvas, view);
    PaintFrameBevel(painter, m_bevelHU);
}

void TGrafikHUForm::wheelEvent(QWheelEvent* event) {
    if (m_scrollBar->isVisible())
        QApplication::sendEvent(m_scrollBar, event);
}

void TGrafikHUForm::DruckBtnClick() {
    const std::unique_ptr<PrintDevice> device = m_printDialog.choosePrinter();
    if (!device)
        return;
    PrintJobSettings settings;
    settings.jobTitle = std::string(ApplicationTitle);
    settings.loadedFileName = m_loadedFileName;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintResult result = PrintSectionGraphic(*device, m_record, settings);
    QApplication::restoreOverrideCursor();
    if (!result.printed())
        m_messages.show(result.message, "Meldung", MessageButtons::Ok);
}

void TGrafikHUForm::CloseBtnClick() {
    hide();
}
