// The part of MQL4 the expert advisors' sources use, declared as C++ so that a source can be
// compiled (never linked or run) here, where there is no MetaEditor: a misspelt call, a wrong
// argument count or type, or an undeclared name fails. tools/check_mql4_sources.py strips the
// #property and #import lines first and writes MQL4's "type &name[]" array parameters as
// pointers; each name and signature below is MetaTrader 4's (build 600 and later).
#pragma once

#define input const

struct string {
    string();
    string(const char* text);
    friend string operator+(const string& left, const string& right);
    friend bool operator==(const string& left, const string& right);
    friend bool operator!=(const string& left, const string& right);
};

using datetime = long long;
using color = unsigned int;

inline constexpr color clrNONE = 0xFFFFFFFF;
inline constexpr int INIT_SUCCEEDED = 0;
inline constexpr int INIT_FAILED = 1;
inline constexpr int SELECT_BY_POS = 0;
inline constexpr int SELECT_BY_TICKET = 1;
inline constexpr int MODE_TRADES = 0;
inline constexpr int MODE_MINLOT = 23;
inline constexpr int MODE_LOTSTEP = 24;
inline constexpr int MODE_MAXLOT = 25;
inline constexpr int TERMINAL_DATA_PATH = 4;

// The chart's predefined variables.
extern double Bid;
extern double Ask;
extern double Point;
extern int Digits;

bool IsDllsAllowed();
bool EventSetTimer(int seconds);
void EventKillTimer();
string Symbol();
datetime TimeGMT();
bool RefreshRates();
double MarketInfo(string symbol, int type);
string TerminalInfoString(int property);
string IntegerToString(long long number, int length = 0, unsigned short fill = ' ');
double NormalizeDouble(double value, int digits);
int GetLastError();
template <typename... Values>
void Print(const Values&... values);

bool GlobalVariableCheck(string name);
double GlobalVariableGet(string name);
datetime GlobalVariableSet(string name, double value);

int OrdersTotal();
bool OrderSelect(int index, int select, int pool = MODE_TRADES);
string OrderSymbol();
int OrderMagicNumber();
int OrderTicket();
int OrderType();
double OrderLots();
double OrderOpenPrice();
int OrderSend(string symbol, int cmd, double volume, double price, int slippage, double stoploss,
              double takeprofit, string comment = string(), int magic = 0, datetime expiration = 0,
              color arrow_color = clrNONE);
bool OrderModify(int ticket, double price, double stoploss, double takeprofit, datetime expiration,
                 color arrow_color = clrNONE);
bool OrderClose(int ticket, double lots, double price, int slippage, color arrow_color = clrNONE);
bool OrderDelete(int ticket, color arrow_color = clrNONE);
