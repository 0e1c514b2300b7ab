//+------------------------------------------------------------------+
//| QZEA: the news straddle on the announcement the Pelimor panel     |
//| names. Shortly before it a buy-stop above and a sell-stop below   |
//| the price; the first fill cancels the other; what is still        |
//| pending a while after the release is deleted. Every decision is   |
//| taken in qzea.dll; this file only passes it the terminal's state  |
//| and sends the orders it returns.                                  |
//+------------------------------------------------------------------+
#property copyright "Pelimor"
#property version   "1.00"
#property strict

#import "qzea.dll"
int QzReadMailbox(int &time, int &mask, int &direction);
int QzStraddle(string symbol, long now, int found, int time, int mask, int direction,
               int leadSeconds, int distancePoints, int stopLossPoints, int takeProfitPoints,
               int deleteAfterSeconds, double maxSpreadPoints, double lots, double maxLots,
               const double &market[], const int &orderInts[], const double &orderLots[],
               int orderCount, long &lastTraded, int &commandInts[], double &commandValues[],
               int capacity);
#import

input int    LeadSeconds        = 10;    // Seconds before the announcement the stops are placed
input int    DistancePoints     = 200;   // Points from the price to each stop order
input int    StopLossPoints     = 200;   // Stop-loss in points (0: none)
input int    TakeProfitPoints   = 400;   // Take-profit in points (0: none)
input int    DeleteAfterSeconds = 300;   // Unfilled stops are deleted this long after the release
input double MaxSpreadPoints    = 40;    // No orders while the spread is wider
input double Lots               = 0.01;  // Lots of each order
input double MaxLots            = 0.1;   // Never more lots than this
input int    MagicNumber        = 20261; // Marks this advisor's orders
input int    SlippagePoints     = 30;    // Accepted slippage of an order

#define MAX_ORDERS     16
#define ORDER_INTS     32   // two per order: ticket, type
#define MAX_COMMANDS   8
#define COMMAND_INTS   24   // three per command: action, type, ticket
#define COMMAND_VALUES 32   // four per command: lots, price, stop-loss, take-profit

int OnInit()
  {
   if(!IsDllsAllowed())
     {
      Print("QZEA: allow DLL imports for this expert advisor");
      return(INIT_FAILED);
     }
   EventSetTimer(1);
   return(INIT_SUCCEEDED);
  }

void OnDeinit(const int reason)
  {
   EventKillTimer();
  }

string MemoryName()
  {
   return("QZEA_" + Symbol() + "_" + IntegerToString(MagicNumber));
  }

void ReadMarket(double &market[])
  {
   RefreshRates();
   market[0] = Bid;
   market[1] = Ask;
   market[2] = Point;
   market[3] = MarketInfo(Symbol(), MODE_MINLOT);
   market[4] = MarketInfo(Symbol(), MODE_LOTSTEP);
   market[5] = MarketInfo(Symbol(), MODE_MAXLOT);
  }

int ReadOwnOrders(int &orderInts[], double &orderLots[])
  {
   int count = 0;
   for(int i = OrdersTotal() - 1; i >= 0 && count < MAX_ORDERS; i--)
     {
      if(!OrderSelect(i, SELECT_BY_POS, MODE_TRADES)) continue;
      if(OrderSymbol() != Symbol() || OrderMagicNumber() != MagicNumber) continue;
      orderInts[2 * count] = OrderTicket();
      orderInts[2 * count + 1] = OrderType();
      orderLots[count] = OrderLots();
      count++;
     }
   return(count);
  }

void Carry(int count, const int &commandInts[], const double &commandValues[])
  {
   for(int i = 0; i < count; i++)
     {
      int action = commandInts[3 * i];
      int type = commandInts[3 * i + 1];
      int ticket = commandInts[3 * i + 2];
      double lots = commandValues[4 * i];
      double price = NormalizeDouble(commandValues[4 * i + 1], Digits);
      double stopLoss = NormalizeDouble(commandValues[4 * i + 2], Digits);
      double takeProfit = NormalizeDouble(commandValues[4 * i + 3], Digits);
      bool done = false;
      if(action == 1)
         done = OrderSend(Symbol(), type, lots, price, SlippagePoints, stopLoss, takeProfit,
                          "QZEA", MagicNumber, 0, clrNONE) >= 0;
      else if(action == 3)
         done = OrderDelete(ticket, clrNONE);
      if(!done) Print("QZEA: order action ", action, " failed, error ", GetLastError());
     }
  }

void OnTimer()
  {
   int time = 0, mask = 0, direction = 0;
   int found = QzReadMailbox(time, mask, direction);
   double market[6];
   ReadMarket(market);
   int orderInts[ORDER_INTS];
   double orderLots[MAX_ORDERS];
   int orderCount = ReadOwnOrders(orderInts, orderLots);
   long lastTraded = 0;
   if(GlobalVariableCheck(MemoryName())) lastTraded = (long)GlobalVariableGet(MemoryName());
   long remembered = lastTraded;
   int commandInts[COMMAND_INTS];
   double commandValues[COMMAND_VALUES];
   int count = QzStraddle(Symbol(), (long)TimeGMT(), found, time, mask, direction, LeadSeconds,
                          DistancePoints, StopLossPoints, TakeProfitPoints, DeleteAfterSeconds,
                          MaxSpreadPoints, Lots, MaxLots, market, orderInts, orderLots,
                          orderCount, lastTraded, commandInts, commandValues, MAX_COMMANDS);
   if(lastTraded != remembered) GlobalVariableSet(MemoryName(), (double)lastTraded);
   Carry(count, commandInts, commandValues);
  }
