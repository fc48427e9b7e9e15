#include "excel/tserienexportform.h"

#include "app/mainstate.h"
#include "app/qtext.h"
#include "excel/exportstate.h"
#include "excel/folders.h"
#include "excel/tselectdir.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

QLabel* sunkenField(QWidget* parent, int width) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(width);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

TSerienExportForm::TSerienExportForm(MainState& state, TExcelOle& excel, ExportState& exportState,
                                     MessageBoxes& messages, FolderPrompt* folderPrompt, QWidget* parent)
    : QDialog(parent), m_state(state), m_excel(excel), m_export(exportState), m_messages(messages) {
    setWindowTitle(QStringLiteral("  Serien - Excel-Export"));
    SelectDir = new TSelectDir(this, folderPrompt);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Ordner mit Isybau-Dateien  (*.h)  ausw\u00E4hlen"), this), 0, 0, 1, 4);
    grid->addWidget(StaticText5 = sunkenField(this, 420), 1, 0, 1, 4);
    OrdnerBtn = new QToolButton(this);
    OrdnerBtn->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    OrdnerBtn->setToolTip(QStringLiteral("Ordner mit Isybau - Dateien w\u00E4hlen"));
    grid->addWidget(OrdnerBtn, 1, 4);
    grid->addWidget(StaticText8 = new QLabel(this), 2, 0, 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("Datei Lfd.Nr."), this), 3, 0);
    grid->addWidget(StaticText10 = sunkenField(this, 80), 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("von"), this), 3, 2);
    grid->addWidget(StaticText12 = sunkenField(this, 80), 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("Quelle"), this), 4, 0);
    grid->addWidget(QuelleSText = sunkenField(this, 420), 4, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Ziel"), this), 5, 0);
    grid->addWidget(ZielSText = sunkenField(this, 420), 5, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Haltung Lfd.Nr."), this), 6, 0);
    grid->addWidget(LfdNrSText = sunkenField(this, 80), 6, 1);
    grid->addWidget(new QLabel(QStringLiteral("von"), this), 6, 2);
    grid->addWidget(AnzHaltSText = sunkenField(this, 80), 6, 3);
    grid->addWidget(EineExcelDateiCBox = new QCheckBox(QStringLiteral(" Alle Haltungen in eine Excel-Datei"), this), 7,
                    0, 1, 5);
    StartExportBtn = new QPushButton(QStringLiteral("&Export starten"), this);
    CloseBtn = new QPushButton(QStringLiteral("&Schlie\u00DFen"), this);
    StartExportBtn->setAutoDefault(false);
    CloseBtn->setAutoDefault(false);
    StartExportBtn->setEnabled(false);
    grid->addWidget(StartExportBtn, 8, 1);
    grid->addWidget(CloseBtn, 8, 3);
    grid->addWidget(new QLabel(QStringLiteral("Export abbrechen mit Esc - Taste "), this), 9, 0, 1, 5);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(OrdnerBtn, &QToolButton::clicked, this, &TSerienExportForm::OrdnerBtnClick);
    connect(StartExportBtn, &QPushButton::clicked, this, &TSerienExportForm::StartExportBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TSerienExportForm::CloseBtnClick);
}

void TSerienExportForm::reset() {
    for (QLabel* label : {StaticText5, StaticText8, StaticText10, StaticText12, QuelleSText, ZielSText, LfdNrSText,
                          AnzHaltSText})
        label->clear();
    m_files.clear();
    StartExportBtn->setEnabled(false);
    EineExcelDateiCBox->setChecked(false);
}

void TSerienExportForm::OrdnerBtnClick() {
    if (m_running)
        return;
    m_files.clear();
    SelectDir->SetRootDir("Desktop");
    SelectDir->SetTitel("Ordner mit Isybau-Dateien (*.h) ausw\344hlen");
    if (!SelectDir->Execute())
        return;
    const std::string folder = SelectDir->SelectedDir();
    StaticText5->setText(toQString(folder));
    SelectDir->SetStartDir(folder);

    SeriesFileCount = 0;
    for (const std::string& file : findIsybauFiles(toFileSystemPath(folder))) {
        m_files.push_back(fromFileSystemPath(file));
        ++SeriesFileCount;
    }
    if (SeriesFileCount >= 1) {
        setTextColour(StaticText8, Qt::black);
        StaticText8->setText(QStringLiteral(" %1 Isybau-Dateien (*.h) gefunden").arg(SeriesFileCount));
        StartExportBtn->setEnabled(true);
    } else {
        setTextColour(StaticText8, Qt::red);
        StaticText8->setText(QStringLiteral(" Keine Isybau-Dateien (*.h) gefunden !"));
        for (QLabel* label : {StaticText10, StaticText12, QuelleSText, ZielSText, LfdNrSText, AnzHaltSText})
            label->clear();
        m_files.clear();
        StartExportBtn->setEnabled(false);
    }
}

void TSerienExportForm::setRunning(bool running) {
    // While a run goes on, the messages handled per section must not start another run, change the file
    // list or the mode, or close the dialog; Esc still cancels.
    m_running = running;
    StartExportBtn->setEnabled(!running);
    CloseBtn->setEnabled(!running);
    OrdnerBtn->setEnabled(!running);
    EineExcelDateiCBox->setEnabled(!running);
}

void TSerienExportForm::StartExportBtnClick() {
    if (m_running)
        return;
    SeriesExportRequest request;
    request.folder = fromQString(StaticText5->text());
    request.files = m_files;
    request.oneWorkbook = EineExcelDateiCBox->isChecked();
    setRunning(true);
    runSeriesExport(m_state, m_excel, m_export, m_messages, *this, request);
    setRunning(false);
}

void TSerienExportForm::CloseBtnClick() {
    if (!m_running)
        accept();
}

void TSerienExportForm::FormKeyDown(int key) {
    if (key == Qt::Key_Escape)
        m_export.ExportCancel = 1;
}

void TSerienExportForm::FormClose() { EineExcelDateiCBox->setChecked(false); }

void TSerienExportForm::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key());
    if (event->key() == Qt::Key_Escape)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

void TSerienExportForm::closeEvent(QCloseEvent* event) {
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TSerienExportForm::reject() {
    if (!m_running)
        QDialog::reject();
}

void TSerienExportForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TSerienExportForm::dispatchPendingMessages() { QCoreApplication::processEvents(); }
void TSerienExportForm::showLfdNr(std::string_view lfdNr) { LfdNrSText->setText(toQString(lfdNr)); }
void TSerienExportForm::showFileNumber(long long number) { StaticText10->setText(QString::number(number)); }
void TSerienExportForm::showFileCount(long long count) { StaticText12->setText(QString::number(count)); }
void TSerienExportForm::showSource(std::string_view path) { QuelleSText->setText(toQString(path)); }
void TSerienExportForm::showTarget(std::string_view path) { ZielSText->setText(toQString(path)); }
void TSerienExportForm::showSectionCount(long long count) { AnzHaltSText->setText(QString::number(count)); }
