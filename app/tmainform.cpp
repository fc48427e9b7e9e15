#include "app/tmainform.h"

#include "app/filechooser.h"
#include "app/listingmodel.h"
#include "app/mainstate.h"
#include "app/messageboxes.h"
#include "app/modaldialogs.h"
#include "app/qtext.h"
#include "dialogs/taboutform.h"
#include "dialogs/tschsuchform.h"
#include "dialogs/ttheoform.h"
#include "record/listing.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <string>

namespace {

constexpr int WindowWidth = 780;
constexpr int WindowHeight = 700;
constexpr int ToolPanelHeight = 87;
constexpr int SideBorder = 9;
constexpr int BottomBorder = 7;
constexpr int GridColumnWidth = 730;
constexpr int GridRowHeight = 22;
constexpr int GridHeaderWidth = 723;
constexpr std::string_view LoadMessageCaption = " Meldung";
constexpr std::string_view CaptionGap = "     ";

const QColor Silver(192, 192, 192);

// The fixed-pitch face of the listing; the header label uses the same one so its words stand over the
// fields of every row.
QFont listingFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"), QStringLiteral("Courier")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(11);
    return font;
}

QFrame* silverPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Silver);
    panel->setPalette(palette);
    return panel;
}

} // namespace

TMainForm::TMainForm(MainState& state, MessageBoxes& boxes, FileChooser& files, ModalDialogs& modals,
                     QWidget* parent)
    : QMainWindow(parent), m_state(state), m_boxes(boxes), m_files(files), m_modals(modals),
      m_exit([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(toQString(ApplicationTitle));
    move(100, 8);
    setFixedSize(WindowWidth, WindowHeight);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* bevel = new QFrame(central);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setFixedHeight(2);
    column->addWidget(bevel);

    QFrame* toolPanel = silverPanel(central, "MausPanel");
    toolPanel->setFixedHeight(ToolPanelHeight);
    column->addWidget(toolPanel);

    auto* gridArea = new QWidget(central);
    auto* frame = new QGridLayout(gridArea);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    QFrame* left = silverPanel(gridArea, "Panel1");
    left->setFixedWidth(SideBorder);
    QFrame* right = silverPanel(gridArea, "Panel2");
    right->setFixedWidth(SideBorder);
    QFrame* bottom = silverPanel(gridArea, "Panel3");
    bottom->setFixedHeight(BottomBorder);

    m_model = new ListingModel(m_state, this);
    m_grid = new QTableView(gridArea);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setModel(m_model);
    m_grid->setFont(listingFont());
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setColumnWidth(0, GridColumnWidth);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    connect(m_grid, &QTableView::doubleClicked, this, &TMainForm::StringGrid1DblClick);

    frame->addWidget(left, 0, 0);
    frame->addWidget(m_grid, 0, 1);
    frame->addWidget(right, 0, 2);
    frame->addWidget(bottom, 1, 0, 1, 3);
    column->addWidget(gridArea, 1);
    setCentralWidget(central);

    buildToolPanel(toolPanel);
    buildMenu();
    setSectionCommandsEnabled(false);
    setCurrentRow(0);
}

TMainForm::~TMainForm() = default;

void TMainForm::buildToolPanel(QWidget* panel) {
    const auto glyph = [this](QStyle::StandardPixmap kind) { return style()->standardIcon(kind); };
    int x = 8;
    const auto place = [&x](QToolButton* button, int width) {
        button->setGeometry(x, 8, width, 40);
        x += width + 4;
    };
    QToolButton* open = addSpeedButton(panel, "FileOpenBtn", QString(), QStringLiteral("Datei \u00F6ffnen"),
                                       &TMainForm::FileOpenClick);
    open->setIcon(glyph(QStyle::SP_DialogOpenButton));
    place(open, 40);
    x += 8;
    const struct {
        const char* name;
        const char* text;
        const char* hint;
        void (TMainForm::*handler)();
        bool sectionCommand;
    } textButtons[] = {
        {"SBtn_HGrafik", "Haltungsgrafik", "anzeigen", &TMainForm::StringGrid1DblClick, true},
        {"SBtn_HSuch", "Schacht suchen", "", &TMainForm::SBtn_HSuchClick, true},
        {"SBtn_pdf_SD", "Seriendruck", "von Haltungsgrafiken", &TMainForm::SBtn_pdf_SDClick, true},
        {"SBtn_ExcelExport", "Excel - Export", "der angezeigten Haltungsdaten", &TMainForm::SBtn_ExcelExportClick,
         true},
        {"SerienExportSBtn", "Serien - Export", "von Isybau-Dateien nach Excel", &TMainForm::SerienExportSBtnClick,
         false},
    };
    for (const auto& b : textButtons) {
        QToolButton* button = addSpeedButton(panel, b.name, QString::fromLatin1(b.text), QString::fromLatin1(b.hint),
                                             b.handler);
        place(button, 100);
        if (b.sectionCommand)
            m_sectionButtons.push_back(button);
    }

    const struct {
        const char* name;
        QString hint;
        QStyle::StandardPixmap kind;
        void (TMainForm::*handler)();
    } glyphButtons[] = {
        {"SBtn_Theo", QStringLiteral("Erl\u00E4uterungen zum Programm"), QStyle::SP_MessageBoxQuestion,
         &TMainForm::SBtn_TheoClick},
        {"AboutBtn", QStringLiteral("Info zu Hersteller"), QStyle::SP_MessageBoxInformation, &TMainForm::AboutBtnClick},
        {"FileExitBtn", QStringLiteral("Programm beenden "), QStyle::SP_DialogCloseButton,
         &TMainForm::FileExitBtnClick},
    };
    x = WindowWidth - SideBorder - 3 * 44 + 4;
    for (const auto& b : glyphButtons) {
        QToolButton* button = addSpeedButton(panel, b.name, QString(), b.hint, b.handler);
        button->setIcon(glyph(b.kind));
        place(button, 40);
    }

    // The header stands where the grid draws the text of its cells.
    m_gridHeader = new QLabel(toQString(ListingHeader), panel);
    m_gridHeader->setObjectName(QStringLiteral("L_GridStr"));
    m_gridHeader->setFont(listingFont());
    m_gridHeader->setAutoFillBackground(true);
    QPalette palette = m_gridHeader->palette();
    palette.setColor(QPalette::Window, Silver);
    m_gridHeader->setPalette(palette);
    const int textMargin = m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1;
    m_gridHeader->setGeometry(SideBorder + m_grid->frameWidth() + textMargin, ToolPanelHeight - 17, GridHeaderWidth,
                              15);
}

QToolButton* TMainForm::addSpeedButton(QWidget* panel, const char* name, const QString& text, const QString& hint,
                                       void (TMainForm::*handler)()) {
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setIconSize(QSize(24, 24));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TMainForm::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("HauptMenu"));
    const auto item = [this](QMenu* menu, const char* name, const QString& text, void (TMainForm::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("FileMenu"));
    item(file, "FileOpen", QStringLiteral("&\u00D6ffnen"), &TMainForm::FileOpenClick);
    item(file, "FileExit", QStringLiteral("&Beenden"), &TMainForm::FileExitBtnClick);

    QMenu* view = bar->addMenu(QStringLiteral("&Ansicht"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    m_sectionMenuItems = {
        item(view, "HGraf_Menu", QStringLiteral("&Haltungsgrafik"), &TMainForm::StringGrid1DblClick),
        item(view, "SSch_Menu", QStringLiteral("&Schacht suchen"), &TMainForm::SBtn_HSuchClick),
        item(view, "PDFF_Menu", QStringLiteral("S&eriendruck"), &TMainForm::SBtn_pdf_SDClick),
        item(view, "EExcel_Menu", QStringLiteral("&Excel-Export"), &TMainForm::SBtn_ExcelExportClick),
    };
    item(view, "SExcel_Menu", QStringLiteral("Serien-E&xport"), &TMainForm::SerienExportSBtnClick);

    QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    item(help, "HelpInfo", QStringLiteral("&Info..."), &TMainForm::AboutBtnClick);
    item(help, "Erluterungen1", QStringLiteral("&Erl\u00E4uterungen"), &TMainForm::SBtn_TheoClick);
}

void TMainForm::setSectionCommandsEnabled(bool enabled) {
    for (QToolButton* button : m_sectionButtons)
        button->setEnabled(enabled);
    for (QAction* action : m_sectionMenuItems)
        action->setEnabled(enabled);
}

void TMainForm::openFile(const QString& path) {
    const QString chosen = QFileInfo(path).absoluteFilePath();
    const std::string shown = fromQString(QDir::toNativeSeparators(chosen));
    const OpenResult result = m_state.openFile(QFile::encodeName(chosen).toStdString(), shown);
    if (result.status != OpenStatus::Loaded) {
        m_boxes.show(result.message, LoadMessageCaption, MessageButtons::Ok);
        return;
    }
    m_chosenPath = chosen;
    m_model->reload();
    setWindowTitle(toQString(std::string(ApplicationTitle) + std::string(CaptionGap) + m_state.LoadedFileName));
    setSectionCommandsEnabled(true);
    setCurrentRow(0);
}

void TMainForm::FileOpenClick() {
    m_state.SeriesExportActive = 0;
    // The dialog offers the file as it was chosen: the lower-cased name may not exist on this file system.
    const QString chosen = m_files.chooseIsybauFile(this, m_chosenPath);
    if (chosen.isEmpty())
        return;
    openFile(chosen);
}

void TMainForm::FileExitBtnClick() {
    if (m_exit)
        m_exit();
}

void TMainForm::StringGrid1DblClick() {
    if (m_state.parseGridRow(currentRow()) == 1 && m_showSectionGraphic)
        m_showSectionGraphic();
}

void TMainForm::SBtn_HSuchClick() {
    m_state.SeriesExportActive = 0;
    if (m_schSuchForm == nullptr)
        return;
    m_schSuchForm->clearSearchText();
    m_modals.exec(*m_schSuchForm);
}

void TMainForm::SBtn_pdf_SDClick() {
    if (m_serialPrint)
        m_serialPrint();
}

void TMainForm::SBtn_ExcelExportClick() {
    if (m_excelExport)
        m_excelExport();
}

void TMainForm::SerienExportSBtnClick() {
    if (m_seriesExport)
        m_seriesExport();
}

void TMainForm::AboutBtnClick() {
    if (m_aboutForm != nullptr)
        m_modals.exec(*m_aboutForm);
}

void TMainForm::SBtn_TheoClick() {
    if (m_theoForm != nullptr)
        m_modals.exec(*m_theoForm);
}

void TMainForm::FormClose() {
    if (m_close)
        m_close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    emit formClosed();
}

int TMainForm::currentRow() const { return m_grid->currentIndex().row(); }

void TMainForm::setCurrentRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index);
}

int TMainForm::searchRowCount() const { return m_model->rowCount(); }

std::string_view TMainForm::searchRowText(int row) const { return m_state.gridCell(row); }

void TMainForm::selectSearchRow(int row) { setCurrentRow(row); }
