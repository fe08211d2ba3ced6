#pragma once

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;

// Dravello's window written directly with Qt widgets, no runtime in between: the baseline
// the program is measured against, at start-up (baseline_window) and per keystroke
// (keystroke_bench). Same size, menus, controls, places, texts, fonts, colours and help
// tips, and the same work when a size field's key comes up. Titled "Baseline", which is
// how startup_bench.sh tells it from the program.
class PlainWindow : public QMainWindow {
public:
    PlainWindow();

    QLineEdit* diameter() const { return diameter_; }
    QLineEdit* current() const { return current_; }
    QLabel* result() const { return result_; }

protected:
    // Key releases in the two size fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void showFormula();
    void convertDiameter();
    void convertArea();
    void calculate();

    QComboBox* material_ = nullptr;
    QLabel* formula_ = nullptr;
    QLineEdit* length_ = nullptr;
    QLineEdit* diameter_ = nullptr;
    QLineEdit* area_ = nullptr;
    QLineEdit* current_ = nullptr;
    QLabel* result_ = nullptr;
};
