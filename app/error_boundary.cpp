#include "app/error_boundary.h"

#include <QCoreApplication>

namespace app {

QString 提示文本(const qr::模块异常& 异常) {
    // The report's CR LF pairs are its line breaks.
    return QString::fromStdString(异常.报告()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::unique_ptr<QMessageBox> 构造异常提示框(const qr::模块异常& 异常, QWidget* 父) {
    auto 框 = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("程序运行异常提示"),
                                            提示文本(异常), QMessageBox::Ok, 父);
    框->setTextFormat(Qt::PlainText);
    return 框;
}

void 显示异常提示(const qr::模块异常& 异常, QWidget* 父) { 构造异常提示框(异常, 父)->exec(); }

void 报告并退出(const qr::模块异常& 异常) {
    显示异常提示(异常);
    QCoreApplication::exit(1);
}

}  // namespace app
