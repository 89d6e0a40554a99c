// SPDX-License-Identifier: MIT
#include "shell/translation_check.h"

#include <cstdio>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "shell/translation_digests.h"

namespace trellum::shell {

namespace {

// Far above any translation of the program's few hundred texts, far below
// what would hurt to read: a FIFO or a huge file is never read whole.
constexpr qint64 kLargestTranslation = 16 * 1024 * 1024;

const TranslationDigest* recordOf(const QString& name)
{
    for (const TranslationDigest* row = kTranslationDigests; row->name != nullptr; ++row) {
        if (name == QLatin1String(row->name)) return row;
    }
    return nullptr;
}

// The whole file, when it is a regular file of at most `size` bytes.
QByteArray readUpTo(const QString& path, qint64 size)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > size || !file.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = file.read(size + 1);
    return bytes.size() > size ? QByteArray() : bytes;
}

}  // namespace

QByteArray checkedTranslation(const QString& path)
{
    if (const TranslationDigest* record = recordOf(QFileInfo(path).fileName())) {
        // The size first: only a file of the recorded size is read at all.
        const QByteArray bytes = readUpTo(path, record->size);
        if (bytes.size() == record->size &&
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() == QByteArray(record->sha256))
            return bytes;
    }
    std::fprintf(stderr, "trellum: the translation %s is not the one this program was built with; "
                         "its texts stay in English\n",
                 qPrintable(path));
    return {};
}

QByteArray namedTranslation(const QString& path)
{
    QByteArray bytes = readUpTo(path, kLargestTranslation);
    if (bytes.isEmpty())
        std::fprintf(stderr, "trellum: the translation %s named by TRELLUM_TRANSLATION cannot be read\n", qPrintable(path));
    return bytes;
}

}  // namespace trellum::shell
