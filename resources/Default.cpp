#include <cstdio>
#include <cmath>
#include <cstring>
#include <iostream>
#include <fstream>
using namespace std;

int main()
{
  
  
  cout << "Press Enter to exit.\n";
  getchar();
  return 0;
}
