#pragma once

#include <QDialog>

class MessageBoxes;
class SearchGrid;
class QLineEdit;

// The manhole search dialog: the user types the beginning of a manhole name and searches the listing
// grid, one pass per "&Suchen", from its first row.
class TSchSuchForm final : public QDialog {
    Q_OBJECT
public:
    TSchSuchForm(SearchGrid& grid, MessageBoxes& boxes, QWidget* parent = nullptr);

    // Empties the search text; the main window does it before each showing.
    void clearSearchText();

    void SuchBtnClick();
    void CancelBtnClick();

private:
    SearchGrid& m_grid;
    MessageBoxes& m_boxes;
    QLineEdit* m_suchFeld;
};
