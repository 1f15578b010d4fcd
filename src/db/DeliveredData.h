#pragma once

class Database;

// The rows the database holds when it is delivered: income types, wage item types and the
// basic items, the temporary-staff department, the admin user, the monthly deductions and
// the income tax rate brackets.
namespace Delivered {

// The admin user's password in a new database (shown on the login dialog as a hint).
inline constexpr const char *kAdminPassword = "2468";

bool insertRows(Database &db);

} // namespace Delivered
