// SPDX-License-Identifier: MIT
// A display and 40 push buttons in a grid: nothing loaded, nothing computed.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Qt floor");
    auto* grid = new QGridLayout(&window);
    grid->addWidget(new QLabel("0.", &window), 0, 0, 1, 5, Qt::AlignRight);
    for (int i = 0; i < 40; ++i) grid->addWidget(new QPushButton(QString::number(i), &window), 1 + i / 5, i % 5);
    window.show();
    return app.exec();
}
