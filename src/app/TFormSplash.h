// The splash window shown while the program creates its windows:
// borderless, centred on the screen, a painted picture under a top band
// reading "PCP".
#pragma once

#include <QWidget>

class TFormSplash : public QWidget {
    Q_OBJECT
public:
    explicit TFormSplash(QWidget* parent = nullptr);

    // Shows and paints it at once (no event loop is running yet).
    void mostrar();

protected:
    void paintEvent(QPaintEvent* evento) override;
};
