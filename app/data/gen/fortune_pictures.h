// The fortune pictures shown in the second picture box and the third box's start picture.
#pragma once

#include <QByteArray>
#include <QString>

namespace appdata_gen {

inline constexpr int 福图数 = 11;

// File name and encoded bytes of fortune row 0..10: row 0 a baseline JPEG, the others PNG
// with an 8-bit alpha channel.
QString 福图文件名(int 行);
QByteArray 画福图(int 行);

// The PNG the third box shows until the carousel's first frame arrives.
QByteArray 画轮播初始图();

}  // namespace appdata_gen
