#include "shell/ui/AboutDialog.h"

#include "widgets/Icons.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString AboutDialog::LoginName()
{
    for (const char *name : {"USER", "LOGNAME", "USERNAME"}) {
        const QString user = qEnvironmentVariable(name);
        if (!user.isEmpty()) {
            return user;
        }
    }
    return QDir::home().dirName();
}

AboutDialog::AboutDialog(const QString &corpName, QWidget *parent) : BaseDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("关于"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(18, 16, 18, 14);
    auto *top = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setPixmap(ProgramIcon(QStringLiteral("app")).pixmap(48, 48));
    top->addWidget(picture);
    auto *titles = new QVBoxLayout;
    auto *title = new QLabel(QStringLiteral("Corvane"), this);
    QFont f = title->font();
    f.setPointSize(16);
    f.setBold(true);
    title->setFont(f);
    title->setStyleSheet(QStringLiteral("color: #800000"));
    titles->addWidget(title);
    titles->addWidget(new QLabel(QStringLiteral("版本：1.0"), this));
    top->addLayout(titles);
    top->addStretch();
    v->addLayout(top);

    auto *group = new QGroupBox(QStringLiteral("本软件使用权属于："), this);
    auto *form = new QFormLayout(group);
    auto *user = new QLabel(LoginName(), group);
    user->setObjectName(QStringLiteral("userLabel"));
    auto *corp = new QLabel(corpName, group);
    corp->setObjectName(QStringLiteral("corpLabel"));
    corp->setMinimumWidth(240);
    form->addRow(QStringLiteral("用户："), user);
    form->addRow(QStringLiteral("组织："), corp);
    v->addWidget(group);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定(&O)"), this);
    ok->setDefault(true);
    buttons->addWidget(ok);
    v->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
