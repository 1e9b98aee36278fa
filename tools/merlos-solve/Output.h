// Output through write(2), every byte checked: a full disk or a closed pipe is seen at once.
#pragma once

#include <QByteArray>
#include <QString>

class Output {
public:
    explicit Output(int fd) : m_Fd(fd) {}

    // Writes all of `bytes`; false once any write to this descriptor has failed.
    bool Write(const QByteArray& bytes);
    // `text` and an end of line, in UTF-8.
    bool Line(const QString& text) { return Write((text + QLatin1Char('\n')).toUtf8()); }

    bool Failed() const { return !m_Error.isEmpty(); }
    // Why the first failed write failed, in the system's words.
    const QString& Error() const { return m_Error; }

private:
    int m_Fd;
    QString m_Error;
};
