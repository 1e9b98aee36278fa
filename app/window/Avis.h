// Avis: a short notice over the lower edge of the cube, for what a key or the log's menu did or
// refused. It does not take the focus and goes away by itself, or when clicked.
#pragma once

#include <QLabel>
#include <QTimer>

class Avis : public QLabel {
public:
    // Shown over `dessous`, which must be a child of `parent`.
    Avis(QWidget* parent, QWidget* dessous);

    void Montrer(const QString& texte);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget* m_Dessous;
    QTimer m_Fin;
};
