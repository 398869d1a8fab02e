// The application object. A store error or other exception that a window
// did not handle must not unwind through Qt's event loop (which would end
// the program): it is shown to the operator and the loop goes on.
#pragma once

#include <QApplication>

class AplicacaoPcp : public QApplication {
public:
    AplicacaoPcp(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* destino, QEvent* evento) override;
};
