#pragma once
// The shared-mime-info package that declares the encrypted-file type.

#include <QByteArray>
#include <QString>

namespace ModFileExt {

// Package XML declaring the type with the glob "*." + Extension, described as TypeName
// (in every shipped language).
QByteArray MimePackageXml(const QString& Extension, const QString& TypeName);

}  // namespace ModFileExt
