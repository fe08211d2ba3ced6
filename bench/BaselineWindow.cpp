// The start-up baseline: the same window built with plain Qt, no runtime in between. Same
// size, the same eleven controls at the same places, a menu bar with two menus.
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Baseline");

    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("E&xit", &app, &QApplication::quit);
    QMenu* edit = window.menuBar()->addMenu("&Edit");
    edit->addAction("&Undo")->setShortcut(QKeySequence("Ctrl+Z"));
    edit->addSeparator();
    edit->addAction("Cu&t")->setShortcut(QKeySequence("Ctrl+X"));
    edit->addAction("&Copy")->setShortcut(QKeySequence("Ctrl+C"));
    edit->addAction("&Paste")->setShortcut(QKeySequence("Ctrl+V"));
    edit->addAction("&Delete");
    edit->addSeparator();
    edit->addAction("Select &All")->setShortcut(QKeySequence("Ctrl+A"));

    auto* content = new QWidget;
    content->setFixedSize(296, 247);
    window.setCentralWidget(content);

    auto* popup = new QComboBox(content);
    popup->setGeometry(20, 14, 256, 20);
    popup->addItems({"Copper", "Aluminium"});

    struct Place {
        const char* text;
        int left, top, width, height;
    };
    for (const Place& p :
         {Place{"Vd (20°C) = ( Length x Current x 0.0175 ) / Area", 20, 46, 256, 16},
          Place{"Total cable length (m):", 20, 75, 142, 20}, Place{"Cable diameter (mm):", 20, 107, 142, 20},
          Place{"Cable area (mm2):", 20, 141, 142, 20}, Place{"Current (A):", 20, 175, 142, 20},
          Place{"Voltage drop = 1.795V", 20, 207, 256, 20}}) {
        auto* label = new QLabel(QString::fromUtf8(p.text), content);
        label->setGeometry(p.left, p.top, p.width, p.height);
    }
    for (const Place& p : {Place{"60", 196, 74, 80, 22}, Place{"0.51054", 196, 106, 80, 22},
                           Place{"0.20471", 196, 140, 80, 22}, Place{"0.350", 196, 174, 80, 22}}) {
        auto* field = new QLineEdit(p.text, content);
        field->setGeometry(p.left, p.top, p.width, p.height);
    }

    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return app.exec();
}
