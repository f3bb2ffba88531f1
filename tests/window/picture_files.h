// Picture files made by the tests: generated pictures of given sizes, and files that only look
// like pictures (text, empty, truncated, or with a header claiming an enormous size).
#pragma once

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace quiltra::test {

// A folder of pictures with a short path, so that tests can build folders of exact lengths.
class PictureFolder {
public:
    PictureFolder() : dir_(QStringLiteral("/tmp/qp-XXXXXX")) {}
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

    // A picture of w x h pixels; the format follows the extension (".bmp" or ".jpg").
    bool picture(const QString& name, int w, int h, QColor colour = QColor(200, 40, 40)) const
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        QDir().mkpath(QFileInfo(file(name)).path());
        return image.save(file(name));
    }

    bool bytes(const QString& name, const QByteArray& data) const
    {
        QDir().mkpath(QFileInfo(file(name)).path());
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    }

    // The first half of a real picture file.
    bool truncated(const QString& name, int w, int h) const
    {
        if (!picture(name, w, h))
            return false;
        QFile f(file(name));
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QByteArray data = f.readAll();
        f.close();
        return bytes(name, data.left(data.size() / 2));
    }

    // A BMP header for a 60000 x 60000 picture of 24 bits with no pixel data behind it.
    bool hostileBmp(const QString& name) const
    {
        QByteArray data;
        QDataStream out(&data, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        const quint32 w = 60000, h = 60000;
        out.writeRawData("BM", 2);
        out << quint32(54 + w * 3 * h) << quint32(0) << quint32(54);
        out << quint32(40) << qint32(w) << qint32(h) << quint16(1) << quint16(24) << quint32(0)
            << quint32(0) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
        return bytes(name, data);
    }

private:
    QTemporaryDir dir_;
};

} // namespace quiltra::test
