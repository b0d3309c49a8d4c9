/* The floor for one run of gorvi: a static C program that does the same file
 * work with bare system calls and nothing else. It opens and reads gorvi.in,
 * creates gorvi.out and writes one line to it (the first line of gorvi.in),
 * and exits 0. Whatever gorvi costs above this is start-up and library code. */
#include <fcntl.h>
#include <unistd.h>

int main(void) {
  char buffer[256];
  ssize_t length = 0;
  int in = open("gorvi.in", O_RDONLY);
  if (in >= 0) {
    length = read(in, buffer, sizeof buffer - 1); /* room for the line end */
    close(in);
  }
  ssize_t line = 0;
  while (line < length && buffer[line] != '\n') {
    ++line;
  }
  int out = open("gorvi.out", O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (out >= 0) {
    buffer[line] = '\n';
    if (write(out, buffer, (size_t)line + 1) < 0) {
      line = 0;
    }
    close(out);
  }
  return 0;
}
