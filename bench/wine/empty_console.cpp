// The floor of a process under Wine: a console program that does nothing and exits 0.
int main() { return 0; }
