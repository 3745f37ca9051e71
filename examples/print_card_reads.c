/* Prints each card read by a Dorvel keyboard.
 *
 *   cc print_card_reads.c $(pkg-config --cflags --libs dorvel_32) -o print_card_reads
 *   VELMAR_PLATFORM=sim ./print_card_reads     # swipes two sample cards on a virtual keyboard
 *   ./print_card_reads                         # waits for real cards; Ctrl-C ends it
 */
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <dorvel/dorvel_32.h>
#include <velmar/velmar_messages.h>
#include <velmar/velmar_sim.h>

static uint32_t card_message;

/* Runs in the thread that captured the card, before the library goes on. */
static void on_message(unsigned int message, unsigned long length, long unused, void* context) {
  (void)unused;
  (void)context;
  if (message != card_message) return;
  uint8_t card[400];
  GetMCRBuf(card);
  printf("card read, %lu bytes: %s\n", length, (const char*)card);
  fflush(stdout);
}

static volatile sig_atomic_t stop;
static void on_interrupt(int signal_number) {
  (void)signal_number;
  stop = 1;
}

int main(void) {
  OpenDorvel();
  GetMCRMsg(&card_message);
  SetCard(1);
  int listener = VelmarAddMessageListener(on_message, NULL);

  const char* platform = getenv("VELMAR_PLATFORM");
  if (platform && strcmp(platform, "sim") == 0) {
    VelmarSimType("[4111111111111111]2612\r");
    VelmarSimType("[5500005555555559]2701\r");
  } else {
    signal(SIGINT, on_interrupt);
    while (!stop) pause();
  }

  VelmarRemoveMessageListener(listener);
  CloseDorvel();
  return 0;
}
