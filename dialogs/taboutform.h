#pragma once

#include <QDialog>

#include <string>

// The about box: the program's icon, its name and the version formed from the program file's date.
class TAboutForm final : public QDialog {
    Q_OBJECT
public:
    // programFile: the running program's own file, whose date gives the version.
    explicit TAboutForm(const std::string& programFile, QWidget* parent = nullptr);

    void CloseBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
};
