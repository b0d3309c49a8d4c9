/* Times whole-process runs of two programs, alternating them so that both
 * see the same machine state, and reports each one's median wall time and the
 * ratio of the medians.
 *
 * Usage: startup_timer PAIRS PROGRAM_A PROGRAM_B
 * Each program runs in the current folder with no arguments, console input
 * from /dev/null and its console output discarded. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static double runOnce(const char* program, posix_spawn_file_actions_t* actions) {
  char* const argv[] = {(char*)program, NULL};
  struct timespec start;
  struct timespec end;
  pid_t pid;
  int status;
  clock_gettime(CLOCK_MONOTONIC, &start);
  if (posix_spawn(&pid, program, actions, NULL, argv, environ) != 0 ||
      waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    fprintf(stderr, "startup_timer: %s did not run and exit 0\n", program);
    exit(1);
  }
  clock_gettime(CLOCK_MONOTONIC, &end);
  return (double)(end.tv_sec - start.tv_sec) * 1e6 + (double)(end.tv_nsec - start.tv_nsec) / 1e3;
}

static int compareDoubles(const void* a, const void* b) {
  const double x = *(const double*)a;
  const double y = *(const double*)b;
  return (x > y) - (x < y);
}

static double median(double* values, int count) {
  qsort(values, (size_t)count, sizeof *values, compareDoubles);
  return count % 2 ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2;
}

int main(int argc, char** argv) {
  if (argc != 4 || atoi(argv[1]) < 1) {
    fprintf(stderr, "usage: startup_timer PAIRS PROGRAM_A PROGRAM_B\n");
    return 2;
  }
  const int pairs = atoi(argv[1]);
  double* timesA = malloc(sizeof(double) * (size_t)pairs);
  double* timesB = malloc(sizeof(double) * (size_t)pairs);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  for (int i = 0; i < 20; ++i) { /* warm the page cache and the CPU */
    runOnce(argv[2], &actions);
    runOnce(argv[3], &actions);
  }
  for (int i = 0; i < pairs; ++i) {
    /* Alternate which one goes first, so that neither always follows the other. */
    if (i % 2 == 0) {
      timesA[i] = runOnce(argv[2], &actions);
      timesB[i] = runOnce(argv[3], &actions);
    } else {
      timesB[i] = runOnce(argv[3], &actions);
      timesA[i] = runOnce(argv[2], &actions);
    }
  }
  const double medianA = median(timesA, pairs);
  const double medianB = median(timesB, pairs);
  printf("%s: median %.1f us\n%s: median %.1f us\nratio of medians: %.3f\n", argv[2], medianA,
         argv[3], medianB, medianA / medianB);
  return 0;
}
