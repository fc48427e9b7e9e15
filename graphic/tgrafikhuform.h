#pragma once

#include "graphic/sectiongraphic.h"

#include <QWidget>

#include <string>

class MessageBoxes;
class PrinterChoice;
class QFrame;
class QPushButton;
class QScrollBar;
struct HaltungRecord;

// The window "Haltungsgrafik": the section graphic of the program's section record, drawn afresh from
// the record at every paint, and its printout. It keeps no copy of the section.
class TGrafikHUForm final : public QWidget {
    Q_OBJECT

public:
    // The window reads the record and the loaded file's name (for the printout's header) from the
    // program's state; both must outlive it.
    TGrafikHUForm(const HaltungRecord& record, const std::string& loadedFileName, PrinterChoice& printDialog,
                  MessageBoxes& messages, QWidget* parent = nullptr);

    // Shows the window with the record's current section, or brings it to the front when it is shown
    // already; either way it repaints at once.
    void ShowSection();

    // "&Drucken": the print dialog, then the section as one print job titled with the application title.
    void DruckBtnClick();
    // "&Schließen": hides the window.
    void CloseBtnClick();

    // The frame of the last drawing, in client pixels (moves up as the window scrolls).
    FrameBounds BevelHU() const noexcept { return m_bevelHU; }
    QScrollBar& verticalScrollBar() const noexcept { return *m_scrollBar; }
    QPushButton& druckButton() const noexcept { return *DruckBtn; }
    QPushButton& closeButton() const noexcept { return *CloseBtn; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateScrollRange();

    const HaltungRecord& m_record;
    const std::string& m_loadedFileName;
    PrinterChoice& m_printDialog;
    MessageBoxes& m_messages;
    FrameBounds m_bevelHU;
    QFrame* Panel1;
    QPushButton* DruckBtn;
    QPushButton* CloseBtn;
    QScrollBar* m_scrollBar;
};
