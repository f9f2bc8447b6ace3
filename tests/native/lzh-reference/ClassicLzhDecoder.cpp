#include "ClassicLzhDecoder.h"

namespace vcu {
namespace reference {

namespace {

enum { N = 4096, F = 60, THRESHOLD = 2, N_CHAR = 256 - THRESHOLD + F, T = N_CHAR * 2 - 1, R = T - 1,
       MAX_FREQ = 0x8000 };

struct Source { const std::uint8_t* p; std::size_t left; };

int source_getc(void* s) {
  Source* src = static_cast<Source*>(s);
  if (src->left == 0) return -1;
  --src->left;
  return *src->p++;
}

void vector_putc(int c, void* s) {
  static_cast<std::vector<std::uint8_t>*>(s)->push_back(static_cast<std::uint8_t>(c));
}

struct State {
  unsigned short freq[T + 1];
  short prnt[T + N_CHAR];
  short son[T];
  unsigned char text_buf[N + F - 1];
  unsigned getbuf;
  unsigned char getlen;
  GetByteFn get;
  void* in;
  PutByteFn put;
  void* out;
};

unsigned char d_code[256], d_len[256];

void make_tables() {
  static const int counts[6] = {1, 3, 8, 12, 24, 16};
  int i = 0, c = 0;
  for (int len = 3; len <= 8; len++)
    for (int k = 0; k < counts[len - 3]; k++, c++)
      for (int j = 0; j < (1 << (8 - len)); j++, i++) {
        d_code[i] = static_cast<unsigned char>(c);
        d_len[i] = static_cast<unsigned char>(len);
      }
}

void FillBuf(State* s) {
  int i;
  while (s->getlen <= 8) {
    if ((i = s->get(s->in)) < 0) i = 0;
    s->getbuf |= static_cast<unsigned>(i) << (8 - s->getlen);
    s->getlen += 8;
  }
}

int GetBit(State* s) {
  int i;
  FillBuf(s);
  i = (s->getbuf & 0x8000) != 0;
  s->getbuf = (s->getbuf << 1) & 0xFFFF;
  s->getlen--;
  return i;
}

int GetByte(State* s) {
  int i;
  FillBuf(s);
  i = static_cast<int>(s->getbuf >> 8);
  s->getbuf = (s->getbuf << 8) & 0xFFFF;
  s->getlen -= 8;
  return i;
}

void StartHuff(State* s) {
  int i, j;
  for (i = 0; i < N_CHAR; i++) {
    s->freq[i] = 1;
    s->son[i] = static_cast<short>(i + T);
    s->prnt[i + T] = static_cast<short>(i);
  }
  i = 0; j = N_CHAR;
  while (j <= R) {
    s->freq[j] = static_cast<unsigned short>(s->freq[i] + s->freq[i + 1]);
    s->son[j] = static_cast<short>(i);
    s->prnt[i] = s->prnt[i + 1] = static_cast<short>(j);
    i += 2; j++;
  }
  s->freq[T] = 0xffff;
  s->prnt[R] = 0;
}

void reconst(State* s) {
  int i, j, k;
  unsigned f, l;
  j = 0;
  for (i = 0; i < T; i++)
    if (s->son[i] >= T) {
      s->freq[j] = static_cast<unsigned short>((s->freq[i] + 1) / 2);
      s->son[j] = s->son[i];
      j++;
    }
  for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
    k = i + 1;
    f = s->freq[j] = static_cast<unsigned short>(s->freq[i] + s->freq[k]);
    for (k = j - 1; f < s->freq[k]; k--) {}
    k++;
    for (l = static_cast<unsigned>(j); l > static_cast<unsigned>(k); l--) {
      s->freq[l] = s->freq[l - 1];
      s->son[l] = s->son[l - 1];
    }
    s->freq[k] = static_cast<unsigned short>(f);
    s->son[k] = static_cast<short>(i);
  }
  for (i = 0; i < T; i++)
    if ((k = s->son[i]) >= T) s->prnt[k] = static_cast<short>(i);
    else s->prnt[k] = s->prnt[k + 1] = static_cast<short>(i);
}

void update(State* s, int c) {
  int i, j, k, l;
  if (s->freq[R] == MAX_FREQ) reconst(s);
  c = s->prnt[c + T];
  do {
    k = ++s->freq[c];
    if (k > s->freq[l = c + 1]) {
      while (k > s->freq[++l]) {}
      l--;
      s->freq[c] = s->freq[l];
      s->freq[l] = static_cast<unsigned short>(k);
      i = s->son[c];
      s->prnt[i] = static_cast<short>(l);
      if (i < T) s->prnt[i + 1] = static_cast<short>(l);
      j = s->son[l];
      s->son[l] = static_cast<short>(i);
      s->prnt[j] = static_cast<short>(c);
      if (j < T) s->prnt[j + 1] = static_cast<short>(c);
      s->son[c] = static_cast<short>(j);
      c = l;
    }
  } while ((c = s->prnt[c]) != 0);
}

int DecodeChar(State* s) {
  unsigned c = static_cast<unsigned>(s->son[R]);
  while (c < T) {
    c += static_cast<unsigned>(GetBit(s));
    c = static_cast<unsigned>(s->son[c]);
  }
  c -= T;
  update(s, static_cast<int>(c));
  return static_cast<int>(c);
}

int DecodePosition(State* s) {
  unsigned i, j, c;
  i = static_cast<unsigned>(GetByte(s));
  c = static_cast<unsigned>(d_code[i]) << 6;
  j = d_len[i];
  j -= 2;
  while (j--) i = (i << 1) + static_cast<unsigned>(GetBit(s));
  return static_cast<int>(c | (i & 0x3f));
}

} // namespace

void ClassicLzhDecode(long textsize, GetByteFn get, void* source, PutByteFn put, void* sink) {
  static const bool tablesMade = (make_tables(), true);
  (void)tablesMade;
  State* s = new State();
  s->get = get;
  s->in = source;
  s->put = put;
  s->out = sink;
  StartHuff(s);
  int i, j, k, r, c;
  long count;
  for (i = 0; i < N - F; i++) s->text_buf[i] = ' ';
  r = N - F;
  for (count = 0; count < textsize;) {
    c = DecodeChar(s);
    if (c < 256) {
      s->put(c, s->out);
      s->text_buf[r++] = static_cast<unsigned char>(c);
      r &= (N - 1);
      count++;
    } else {
      i = (r - DecodePosition(s) - 1) & (N - 1);
      j = c - 255 + THRESHOLD;
      for (k = 0; k < j; k++) {
        c = s->text_buf[(i + k) & (N - 1)];
        s->put(c, s->out);
        s->text_buf[r++] = static_cast<unsigned char>(c);
        r &= (N - 1);
        count++;
      }
    }
  }
  delete s;
}

std::vector<std::uint8_t> ClassicLzhDecode(const std::uint8_t* stream, std::size_t size) {
  std::vector<std::uint8_t> out;
  if (size < 4) return out;
  const long textsize = static_cast<std::int32_t>(stream[0] | stream[1] << 8 | stream[2] << 16 |
                                                  static_cast<unsigned>(stream[3]) << 24);
  Source src{stream + 4, size - 4};
  ClassicLzhDecode(textsize, source_getc, &src, vector_putc, &out);
  return out;
}

} // namespace reference
} // namespace vcu
