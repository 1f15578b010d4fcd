#include "returns/ReturnHeading.h"

#include "base/AppEnv.h"
#include "tax/DeductionSettings.h"

ReturnHeading MakeReturnHeading(const QString &formTitle, const WithholdingAgent &agent,
                                ReturnPeriod period)
{
    return {ReturnTitle(formTitle), agent, Today(), period};
}

QString FormDateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

ReturnHeading BlankReturnHeading(const QString &formTitle)
{
    ReturnHeading heading;
    heading.title = ReturnTitle(formTitle);
    return heading;
}
