//+------------------------------------------------------------------+
//| QZEA_TT: the timed entry on the announcement the Pelimor panel    |
//| names. At its time one market order in the rule's direction; a    |
//| rule for both directions opens nothing. Every decision is taken   |
//| in qzea.dll; this file only passes it the terminal's state and    |
//| sends the order it returns.                                       |
//+------------------------------------------------------------------+
#property copyright "Pelimor"
#property version   "1.00"
#property strict

#import "qzea.dll"
int QzReadMailbox(int &time, int &mask, int &direction);
int QzTimedEntry(string symbol, long now, int found, int time, int mask, int direction,
                 int entryWindowSeconds, int stopLossPoints, int takeProfitPoints,
                 double maxSpreadPoints, double lots, double maxLots, const double &market[],
                 long &lastTraded, int &commandInts[], double &commandValues[], int capacity);
#import

input int    EntryWindowSeconds = 5;     // The order may still open this long after the time
input int    StopLossPoints     = 200;   // Stop-loss in points (0: none)
input int    TakeProfitPoints   = 400;   // Take-profit in points (0: none)
input double MaxSpreadPoints    = 40;    // No order while the spread is wider
input double Lots               = 0.01;  // Lots of the order
input double MaxLots            = 0.1;   // Never more lots than this
input int    MagicNumber        = 20262; // Marks this advisor's orders
input int    SlippagePoints     = 30;    // Accepted slippage of the order

#define MAX_COMMANDS   8
#define COMMAND_INTS   24   // three per command: action, type, ticket
#define COMMAND_VALUES 32   // four per command: lots, price, stop-loss, take-profit

int OnInit()
  {
   if(!IsDllsAllowed())
     {
      Print("QZEA_TT: allow DLL imports for this expert advisor");
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
   return("QZEA_TT_" + Symbol() + "_" + IntegerToString(MagicNumber));
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

void Carry(int count, const int &commandInts[], const double &commandValues[])
  {
   for(int i = 0; i < count; i++)
     {
      int action = commandInts[3 * i];
      int type = commandInts[3 * i + 1];
      double lots = commandValues[4 * i];
      double price = NormalizeDouble(commandValues[4 * i + 1], Digits);
      double stopLoss = NormalizeDouble(commandValues[4 * i + 2], Digits);
      double takeProfit = NormalizeDouble(commandValues[4 * i + 3], Digits);
      bool done = false;
      if(action == 1)
         done = OrderSend(Symbol(), type, lots, price, SlippagePoints, stopLoss, takeProfit,
                          "QZEA_TT", MagicNumber, 0, clrNONE) >= 0;
      if(!done) Print("QZEA_TT: order action ", action, " failed, error ", GetLastError());
     }
  }

void OnTimer()
  {
   int time = 0, mask = 0, direction = 0;
   int found = QzReadMailbox(time, mask, direction);
   double market[6];
   ReadMarket(market);
   long lastTraded = 0;
   if(GlobalVariableCheck(MemoryName())) lastTraded = (long)GlobalVariableGet(MemoryName());
   long remembered = lastTraded;
   int commandInts[COMMAND_INTS];
   double commandValues[COMMAND_VALUES];
   int count = QzTimedEntry(Symbol(), (long)TimeGMT(), found, time, mask, direction,
                            EntryWindowSeconds, StopLossPoints, TakeProfitPoints,
                            MaxSpreadPoints, Lots, MaxLots, market, lastTraded, commandInts,
                            commandValues, MAX_COMMANDS);
   if(lastTraded != remembered) GlobalVariableSet(MemoryName(), (double)lastTraded);
   Carry(count, commandInts, commandValues);
  }
