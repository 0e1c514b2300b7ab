//+------------------------------------------------------------------+
//| QZGI: copies the trade signals the Pelimor panel writes into      |
//| MQL4\Files\QZGCOPY.csv onto this chart's symbol: each new         |
//| position once, and closes or modifies the copies when the         |
//| signal's trader does. Every decision is taken in qzea.dll; this   |
//| file only passes it the terminal's state and sends the orders it  |
//| returns.                                                          |
//+------------------------------------------------------------------+
#property copyright "Pelimor"
#property version   "1.00"
#property strict

#import "qzea.dll"
int QzSignalCopy(string path, string symbol, long now, double lotFactor, double maxLots,
                 int maxAgeSeconds, double maxSpreadPoints, const double &market[],
                 const int &orderInts[], const double &orderLots[], int orderCount,
                 long &lastCopied, int &commandInts[], double &commandValues[], int capacity);
#import

input double LotFactor       = 1.0;   // The signal's lots are multiplied by this
input double MaxLots         = 0.1;   // Never more lots than this
input int    MaxAgeSeconds   = 120;   // An older signal is not copied
input double MaxSpreadPoints = 40;    // No new position while the spread is wider
input int    MagicNumber     = 20263; // Marks this advisor's orders
input int    SlippagePoints  = 30;    // Accepted slippage of an order

#define MAX_ORDERS     16
#define ORDER_INTS     32   // two per order: ticket, type
#define MAX_COMMANDS   16
#define COMMAND_INTS   48   // three per command: action, type, ticket
#define COMMAND_VALUES 64   // four per command: lots, price, stop-loss, take-profit

int OnInit()
  {
   if(!IsDllsAllowed())
     {
      Print("QZGI: allow DLL imports for this expert advisor");
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
   return("QZGI_" + Symbol() + "_" + IntegerToString(MagicNumber));
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
                          "QZGI", MagicNumber, 0, clrNONE) >= 0;
      else if(action == 2)
         done = OrderSelect(ticket, SELECT_BY_TICKET) &&
                OrderModify(ticket, OrderOpenPrice(), stopLoss, takeProfit, 0, clrNONE);
      else if(action == 4)
         done = OrderClose(ticket, lots, price, SlippagePoints, clrNONE);
      if(!done) Print("QZGI: order action ", action, " failed, error ", GetLastError());
     }
  }

void OnTimer()
  {
   string path = TerminalInfoString(TERMINAL_DATA_PATH) + "\\MQL4\\Files\\QZGCOPY.csv";
   double market[6];
   ReadMarket(market);
   int orderInts[ORDER_INTS];
   double orderLots[MAX_ORDERS];
   int orderCount = ReadOwnOrders(orderInts, orderLots);
   long lastCopied = 0;
   if(GlobalVariableCheck(MemoryName())) lastCopied = (long)GlobalVariableGet(MemoryName());
   long remembered = lastCopied;
   int commandInts[COMMAND_INTS];
   double commandValues[COMMAND_VALUES];
   int count = QzSignalCopy(path, Symbol(), (long)TimeGMT(), LotFactor, MaxLots, MaxAgeSeconds,
                            MaxSpreadPoints, market, orderInts, orderLots, orderCount,
                            lastCopied, commandInts, commandValues, MAX_COMMANDS);
   if(lastCopied != remembered) GlobalVariableSet(MemoryName(), (double)lastCopied);
   Carry(count, commandInts, commandValues);
  }
