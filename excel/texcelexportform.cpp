#include "excel/texcelexportform.h"

#include "app/mainstate.h"
#include "app/qtext.h"
#include "excel/exportstate.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* sunkenField(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(420);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

} // namespace

TExcelExportForm::TExcelExportForm(MainState& state, TExcelOle& excel, ExportState& exportState,
                                   MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), m_state(state), m_excel(excel), m_export(exportState), m_messages(messages) {
    setWindowTitle(QStringLiteral("  Excel - Export"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Quelle"), this), 0, 0);
    grid->addWidget(QuelleSText = sunkenField(this), 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Ziel"), this), 1, 0);
    grid->addWidget(ZielSText = sunkenField(this), 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Lfd. Halt.Nr."), this), 2, 0);
    grid->addWidget(LfdNrSText = sunkenField(this), 2, 1);
    LfdNrSText->setMinimumWidth(80);
    grid->addWidget(new QLabel(QStringLiteral("von"), this), 2, 2);
    grid->addWidget(AnzHaltSText = sunkenField(this), 2, 3);
    AnzHaltSText->setMinimumWidth(80);
    StartExportBtn = new QPushButton(QStringLiteral("&Export starten"), this);
    CloseBtn = new QPushButton(QStringLiteral("&Schlie\u00DFen"), this);
    grid->addWidget(StartExportBtn, 3, 1);
    grid->addWidget(CloseBtn, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("Export abbrechen mit Esc - Taste "), this), 4, 0, 1, 4);
    StartExportBtn->setAutoDefault(false);
    CloseBtn->setAutoDefault(false);
    connect(StartExportBtn, &QPushButton::clicked, this, &TExcelExportForm::StartExportBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TExcelExportForm::CloseBtnClick);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TExcelExportForm::prepare(long long haltungCount) {
    QuelleSText->setText(toQString(m_export.ExportSourcePath));
    ZielSText->setText(toQString(m_export.ExportTargetPath));
    LfdNrSText->clear();
    AnzHaltSText->setText(QString::number(haltungCount));
    StartExportBtn->setEnabled(true);
}

void TExcelExportForm::StartExportBtnClick() {
    if (m_running)
        return;
    m_state.SeriesExportActive = 0;
    // While the export runs, the messages handled per section must not start a second run or close us.
    m_running = true;
    StartExportBtn->setEnabled(false);
    CloseBtn->setEnabled(false);
    ExportContext context{m_state, m_excel, m_export, m_messages, *this};
    ExportHaltungen(context);
    StartExportBtn->setEnabled(true);
    CloseBtn->setEnabled(true);
    m_running = false;
}

void TExcelExportForm::CloseBtnClick() {
    if (!m_running)
        accept();
}

void TExcelExportForm::FormKeyDown(int key) {
    if (key == Qt::Key_Escape)
        m_export.ExportCancel = 1;
}

void TExcelExportForm::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key());
    if (event->key() == Qt::Key_Escape)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

void TExcelExportForm::reject() {
    // Esc cancels the export instead of closing; the window frame's close button still closes when idle.
    if (!m_running)
        QDialog::reject();
}

void TExcelExportForm::dispatchPendingMessages() { QCoreApplication::processEvents(); }

void TExcelExportForm::showLfdNr(std::string_view lfdNr) { LfdNrSText->setText(toQString(lfdNr)); }
