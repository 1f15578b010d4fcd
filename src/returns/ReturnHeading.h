#pragma once

#include "returns/ReturnPeriod.h"

#include <QDate>
#include <QString>

// The withholding agent as the company record names it (held in memory for the whole run and
// replaced when the company information is saved).
struct WithholdingAgent
{
    QString name;
    QString number;
};

// What a return prints besides its rows: its title (the region first when title.ini asks for
// it), the agent, the day it is filled in and, on the payment detail, the month.
struct ReturnHeading
{
    QString title;
    WithholdingAgent agent;
    QDate filledOn;
    ReturnPeriod period;
};

// The heading of a return with the given form title, as title.ini and the clock make it today.
ReturnHeading MakeReturnHeading(const QString &formTitle, const WithholdingAgent &agent,
                                ReturnPeriod period = {});
// The date as the forms print it.
QString FormDateText(const QDate &date);
// The heading of a blank form: its title alone, nothing filled in.
ReturnHeading BlankReturnHeading(const QString &formTitle);
