#pragma once

// Shows a window as a user would see it and checks that no caption is cut off. With
// CORVANE_SCREENSHOTS=DIR set (scripts/screenshots.sh does) the window is also saved there as
// DIR/<name>.png, to be looked at.

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QtTest>

// Captions whose text is wider than the room they were given.
inline QStringList ClippedCaptions(QWidget *window)
{
    QStringList out;
    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (l->isVisible() && !l->text().isEmpty() && l->pixmap().isNull() && !l->wordWrap() &&
            l->fontMetrics().horizontalAdvance(QString(l->text()).remove(u'&')) >
                l->contentsRect().width()) {
            out << l->text();
        }
    }
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->isVisible() && !b->text().isEmpty() && b->sizeHint().width() > b->width() + 1) {
            out << b->text();
        }
    }
    return out;
}

inline void LookAt(QWidget *window, const QString &name)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(50);
    const QStringList cut = ClippedCaptions(window);
    QVERIFY2(cut.isEmpty(),
             qPrintable(name + QStringLiteral(": ") + cut.join(QStringLiteral(", "))));
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(window->grab().save(dir + u'/' + name + QStringLiteral(".png")));
    }
}
