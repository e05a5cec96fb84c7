#pragma once
// The main window's link figures: the reply time-outs and retry counts it gives its link while
// connecting, online, reading and transferring, the read's own watchdog and the intervals of
// its connect timers (ms). The defaults are the program's figures; tests give shorter ones
// (TfmMain::SetTimes).

struct LinkTimes {
  // Timers.
  int startConnect = 300;  // start-up to the automatic connect
  int disconnect = 300;    // the disconnect request (or a refused unit) to closing the link
  int linkBroken = 300;    // a stalled read to closing the link and scanning again
  int unlock = 1000;       // a locked unit's reply to the password window
  int upload = 300;        // the last preset of an upload to saving the unit file
  int uploadSettle = 300;  // the unit file saved to level polling again
  int readWatchdog = 5000; // a read that makes no progress for this long breaks the link

  // Reply time-outs and retries of the link.
  int comOpen = 1000, usbOpen = 100, netOpen = 4000;  // the connect request
  int openRetries = 3;
  int connected = 5000;    // from the connect reply on
  int retries = 3;
  int online = 1000;       // serial and network once online
  int onlineUsb = 5000;    // USB once online
  int step = 5000;         // each step of a read, a recall or a preset file
  int storeStep = 10000;   // a preset stored or read back
  int store = 10000;       // storing a preset, the factory default, a unit file download
  int file = 50000;        // sending a preset file
};
