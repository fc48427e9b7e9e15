#pragma once

#include <QDialog>

class QTextEdit;

// The explanations window: the fixed help text, headings in bold, read-only.
class TTheoForm final : public QDialog {
    Q_OBJECT
public:
    explicit TTheoForm(QWidget* parent = nullptr);

    // Each time the window becomes active: the caret goes to the start of the text, which takes the focus.
    void FormActivate();
    void CloseBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();

    QTextEdit* m_text;
};
