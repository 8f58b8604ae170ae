#include "benchwindow.h"

#include <QCoreApplication>
#include <QWindow>

#include <exception>
#include <iostream>

std::unique_ptr<TForm1> makeShownGameWindow()
{
    auto window = std::make_unique<TForm1>();
    Form1 = window.get();
    try {
        window->FormCreate(window.get());
    } catch (const std::exception& failure) {
        std::cerr << "pictures left blank: " << failure.what() << '\n';
    }
    window->show();
    window->activateWindow();
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    settle();
    return window;
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}
