#include "shell/translation_check.h"

#include <cstdio>
#include <cstring>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "shell/translation_digests.h"

namespace trellum::shell {

namespace {

const TranslationDigest* recordOf(const QString& name)
{
    for (const TranslationDigest* row = kTranslationDigests; row->name != nullptr; ++row) {
        if (name == QLatin1String(row->name)) return row;
    }
    return nullptr;
}

bool matches(const QString& path, const TranslationDigest& record)
{
    QFile file(path);
    // The size first: a FIFO or a huge file is never read.
    if (!QFileInfo(path).isFile() || file.size() != record.size || !file.open(QIODevice::ReadOnly)) return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.pos() != record.size) return false;
    return hash.result().toHex() == QByteArray(record.sha256);
}

}  // namespace

bool translationIsIntact(const QString& path)
{
    const TranslationDigest* record = recordOf(QFileInfo(path).fileName());
    if (record != nullptr && matches(path, *record)) return true;
    std::fprintf(stderr, "trellum: the translation %s is not the one this program was built with; "
                         "its texts stay in English\n",
                 qPrintable(path));
    return false;
}

}  // namespace trellum::shell
