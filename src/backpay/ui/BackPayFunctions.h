#pragma once

#include "backpay/ui/BackPayWindow.h"

class Database;
class FileOpener;
class MessageService;
class QMdiArea;
class QWidget;
class TaxRates;

// What the back-pay functions of the main window work with.
struct BackPayServices
{
    Database &db;
    const TaxRates &rates;
    MessageService &messages;
    FileOpener &opener;
};

// The real dialogs the back-pay functions ask through: the period dialog, the month chooser,
// "整部门添加员工", the employee picker and the posting dialog, over `parent`.
BackPayDialogs DesktopBackPayDialogs(const BackPayServices &services, const QString &corpName,
                                     QWidget *parent);

// The open back-pay window of the area, or none.
BackPayWindow *FindBackPayWindow(QMdiArea &area);

// "补发工资" (StartBackPay): brings the open window forward; else opens the pending back pay;
// else asks a pay period whose wages are posted and the months to back-pay, and opens a new,
// empty sheet for them.
void StartBackPay(QMdiArea &area, const BackPayServices &services, const BackPayDialogs &dialogs);

// "补发工资查询" (ShowBackPayQuery): asks the period and shows its posted back pay in the
// back-pay window (the open one, or a new one), or its pending sheet, or says there is none.
void ShowBackPayQuery(QMdiArea &area, const BackPayServices &services,
                      const BackPayDialogs &dialogs);

// "补发工资过账": posts the pending sheet. With the back-pay window open the window posts, so
// that it turns into the posted view rather than showing a sheet that is gone.
void PostBackPayFromMenu(QMdiArea &area, const BackPayServices &services,
                         const BackPayDialogs &dialogs);
