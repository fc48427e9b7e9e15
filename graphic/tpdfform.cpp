#include "graphic/tpdfform.h"

#include "app/mainstate.h"
#include "app/messageboxes.h"
#include "app/modaldialogs.h"
#include "app/qtext.h"
#include "graphic/printdevice.h"
#include "graphic/serialprinterchoice.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TPDFForm::TPDFForm(MainState& state, SerialPrinterChoice& printDialog, MessageBoxes& messages,
                   ModalDialogs& modals, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_state(state), m_printDialog(printDialog), m_messages(messages), m_modals(modals) {
    setObjectName(QStringLiteral("PDFForm"));
    setWindowTitle(QStringLiteral("Seriendruck"));
    setFixedSize(360, 214);

    Std_Label1 = AddLabel(this, "Std_Label1", QStringLiteral("Ausgew\u00E4hlter Drucker"), {16, 12, 328, 18});
    Std_Label2 = AddLabel(this, "Std_Label2", {}, {16, 32, 328, 18});
    Label1 = AddLabel(this, "Label1", QStringLiteral("von lfd.Nummer"), {16, 66, 120, 18});
    VonEdit = AddEdit(this, "VonEdit", {16, 86, 120, 24});
    Label2 = AddLabel(this, "Label2", QStringLiteral("bis lfd.Nummer"), {160, 66, 120, 18});
    BisEdit = AddEdit(this, "BisEdit", {160, 86, 120, 24});
    SerDruckBtn = AddButton(this, "SerDruckBtn", QStringLiteral("&Drucken"), {16, 126, 100, 28});
    SerCancelBtn = AddButton(this, "SerCancelBtn", QStringLiteral("&Druck abbrechen"), {124, 126, 112, 28});
    SerCloseBtn = AddButton(this, "SerCloseBtn", QStringLiteral("&Schlie\u00DFen"), {244, 126, 100, 28});
    ErrLabel = AddLabel(this, "ErrLabel", {}, {16, 170, 328, 20});
    ErrLabel->setAlignment(Qt::AlignCenter);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->hide();

    connect(SerDruckBtn, &QPushButton::clicked, this, &TPDFForm::SerDruckBtnClick);
    connect(SerCancelBtn, &QPushButton::clicked, this, &TPDFForm::SerCancelBtnClick);
    connect(SerCloseBtn, &QPushButton::clicked, this, &TPDFForm::SerCloseBtnClick);
    setRunning(false);
}

TPDFForm::~TPDFForm() = default;

void TPDFForm::ShowSerialPrint() {
    m_state.SeriesExportActive = 0;
    SerialPrinter printer = m_printDialog.chooseSerialPrinter();
    if (!printer.device)
        return;
    m_device = std::move(printer.device);
    VonEdit->setText(QStringLiteral("1"));
    BisEdit->setText(QStringLiteral("1"));

    ListBox1->clear();
    ListBox1->addItems(QPrinterInfo::availablePrinterNames());
    const QString name = toQString(printer.name);
    const QList<QListWidgetItem*> found = ListBox1->findItems(name, Qt::MatchExactly);
    // PDF output into a folder is no installed printer: the folder stands for its name.
    Std_Label2->setText(found.isEmpty() ? name : found.front()->text());

    setRunning(false);
    m_modals.exec(*this);
    m_device.reset();
}

void TPDFForm::SerDruckBtnClick() {
    if (m_running || !m_device)
        return;
    m_serialPrint.SerDruckBtnClick(fromQString(VonEdit->text()), fromQString(BisEdit->text()), m_state,
                                   *m_device, *this);
}

void TPDFForm::SerCancelBtnClick() {
    m_serialPrint.SerCancelBtnClick();
}

void TPDFForm::SerCloseBtnClick() {
    ErrLabel->clear();
    QDialog::reject();
}

void TPDFForm::reject() {
    if (!m_running)
        QDialog::reject();
}

void TPDFForm::setErrLabel(std::string_view text) {
    ErrLabel->setText(toQString(text));
    // The label shows the section in hand even when the job takes long to spool.
    ErrLabel->repaint();
}

void TPDFForm::focusField(SerialPrintField field) {
    if (field == SerialPrintField::Von)
        VonEdit->setFocus();
    else if (field == SerialPrintField::Bis)
        BisEdit->setFocus();
}

void TPDFForm::setRunning(bool running) {
    m_running = running;
    SerCancelBtn->setEnabled(running);
    SerDruckBtn->setEnabled(!running);
    SerCloseBtn->setEnabled(!running);
}

void TPDFForm::processEvents() {
    QApplication::processEvents();
}

void TPDFForm::jobPrinted(long long, std::string_view) {}

void TPDFForm::notice(SerialPrintNotice kind, long long, std::string_view message) {
    // A number without a section is left out without asking; the other reasons need the user to know.
    if (kind != SerialPrintNotice::NotFound)
        m_messages.show(message, "Meldung", MessageButtons::Ok);
}
