// LSS data
2
29 1.0 1.0
18 2.0 1.0
100.0
// Oen-Robinson data
1
29 0.5 1.0
1.5
0.3
// Shapiro-Tombrello data
1
29 1.0 1.0 10 5.0
