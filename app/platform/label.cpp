#include "app/platform/label.h"

namespace app {

QString 标签文本(std::string_view 文本) {
    QString 结果 = QString::fromUtf8(文本.data(), static_cast<qsizetype>(文本.size()));
    结果.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return 结果;
}

TransparentLabel::TransparentLabel(QWidget* 父) : QLabel(父) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
}

void TransparentLabel::置文本(std::string_view 文本) { setText(标签文本(文本)); }

}  // namespace app
