// A label that draws only its text over the window's background; CR LF pairs break lines.
#pragma once

#include <QLabel>
#include <QString>

#include <string_view>

namespace app {

// UTF-8 text with CR LF line breaks to the text a label shows.
QString 标签文本(std::string_view 文本);

class TransparentLabel : public QLabel {
public:
    explicit TransparentLabel(QWidget* 父);
    void 置文本(std::string_view 文本);
};

using 透明标签 = TransparentLabel;

}  // namespace app
